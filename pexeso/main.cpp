#include "form1.h"

#include "toolkit.h"

int main(int argc, char *argv[])
{
    rt::Application app(argc, argv);
    pexeso::Form1 form;
    form.Load();
    form.Show();
    return app.exec();
}
