#pragma once
#include <QImage>
#include <QString>
#include <vector>
namespace pexesoart {
struct Drawing { QString fileName; QImage image; };
std::vector<Drawing> drawAll();   // every picture below, in the order listed
}
