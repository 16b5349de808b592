#pragma once

#include <array>

#include <cstddef>

#include "checked.h"

namespace rt {

namespace detail {

template <std::integral I>
constexpr long long indexValue(I i) { return i; }
template <typename T>
constexpr long long indexValue(Checked<T> i) { return i.value(); }

template <long long Lo, long long Hi, typename I>
constexpr std::size_t offset(I index)
{
    const long long i = indexValue(index);
    if (i < Lo || i > Hi)
        subscriptError();
    return static_cast<std::size_t>(i - Lo);
}

} // namespace detail

// A fixed-size array with declared bounds Lo..Hi; an index outside them is a
// run-time error.
template <typename T, long long Lo, long long Hi>
class Array
{
public:
    template <typename I>
    T &operator()(I index) { return items_[detail::offset<Lo, Hi>(index)]; }
    template <typename I>
    const T &operator()(I index) const { return items_[detail::offset<Lo, Hi>(index)]; }

private:
    std::array<T, Hi - Lo + 1> items_{};
};

// A two-dimensional array with declared bounds in each dimension.
template <typename T, long long Lo1, long long Hi1, long long Lo2, long long Hi2>
class Array2
{
public:
    template <typename I, typename J>
    T &operator()(I i, J j) { return items_[at(i, j)]; }
    template <typename I, typename J>
    const T &operator()(I i, J j) const { return items_[at(i, j)]; }

private:
    template <typename I, typename J>
    static std::size_t at(I i, J j)
    {
        return detail::offset<Lo1, Hi1>(i) * (Hi2 - Lo2 + 1) + detail::offset<Lo2, Hi2>(j);
    }

    std::array<T, (Hi1 - Lo1 + 1) * (Hi2 - Lo2 + 1)> items_{};
};

} // namespace rt
