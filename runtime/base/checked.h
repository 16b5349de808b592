#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

// Qt's moc cannot parse the standard concepts header; it needs nothing here.
#ifndef Q_MOC_RUN
#include <concepts>
#endif

#include "runtimeerror.h"

namespace rt {

// An integer of a declared width whose every operation is checked: a value
// that does not fit is an overflow, reported as a run-time error.
template <typename T>
class Checked
{
public:

    constexpr Checked() = default;
    template <std::integral I>
    constexpr Checked(I v) : value_(fit(static_cast<long long>(v))) {}
    template <std::floating_point F>
    Checked(F v) : value_(fit(roundHalfEven(v))) {}
    template <typename U>
    constexpr Checked(Checked<U> other) : value_(fit(other.value())) {}

    constexpr T value() const { return value_; }

    static constexpr T fit(long long v)
    {
        if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
            overflowError();
        return static_cast<T>(v);
    }

private:
    template <std::floating_point F>
    static long long roundHalfEven(F v)
    {
        // Far outside every declared width; keeps the cast below defined.
        if (!(std::fabs(v) < 1e15))
            overflowError();
        return static_cast<long long>(std::nearbyint(v));
    }

    T value_ = 0;
};

using Byte = Checked<std::uint8_t>;
using Integer = Checked<std::int16_t>;
using Long = Checked<std::int32_t>;

// Flags hold -1 for true and 0 for false.
inline constexpr int True = -1;
inline constexpr int False = 0;

namespace detail {

template <typename A, typename B>
using Wider = std::conditional_t<(sizeof(B) > sizeof(A)), B, A>;

// A whole-number literal counts as a 16-bit integer, so a byte plus a literal
// is computed as a 16-bit integer and only stored back into a byte if it fits.
template <typename A>
using WithLiteral = Wider<A, std::int16_t>;

template <typename T>
constexpr long long wide(Checked<T> v) { return v.value(); }
template <std::integral I>
constexpr long long wide(I v) { return v; }

} // namespace detail

template <typename A, typename B>
constexpr auto operator+(Checked<A> a, Checked<B> b)
{ return Checked<detail::Wider<A, B>>(detail::wide(a) + detail::wide(b)); }
template <typename A, typename B>
constexpr auto operator-(Checked<A> a, Checked<B> b)
{ return Checked<detail::Wider<A, B>>(detail::wide(a) - detail::wide(b)); }
template <typename A, typename B>
constexpr auto operator*(Checked<A> a, Checked<B> b)
{ return Checked<detail::Wider<A, B>>(detail::wide(a) * detail::wide(b)); }

template <typename A, std::integral I>
constexpr auto operator+(Checked<A> a, I b)
{ return a + Checked<detail::WithLiteral<A>>(b); }
template <typename A, std::integral I>
constexpr auto operator+(I a, Checked<A> b)
{ return Checked<detail::WithLiteral<A>>(a) + b; }
template <typename A, std::integral I>
constexpr auto operator-(Checked<A> a, I b)
{ return a - Checked<detail::WithLiteral<A>>(b); }
template <typename A, std::integral I>
constexpr auto operator-(I a, Checked<A> b)
{ return Checked<detail::WithLiteral<A>>(a) - b; }
template <typename A, std::integral I>
constexpr auto operator*(Checked<A> a, I b)
{ return a * Checked<detail::WithLiteral<A>>(b); }
template <typename A, std::integral I>
constexpr auto operator*(I a, Checked<A> b)
{ return Checked<detail::WithLiteral<A>>(a) * b; }

template <typename A, std::floating_point F>
constexpr float operator+(Checked<A> a, F b) { return float(a.value()) + float(b); }
template <typename A, std::floating_point F>
constexpr float operator+(F a, Checked<A> b) { return float(a) + float(b.value()); }
template <typename A, std::floating_point F>
constexpr float operator-(Checked<A> a, F b) { return float(a.value()) - float(b); }
template <typename A, std::floating_point F>
constexpr float operator-(F a, Checked<A> b) { return float(a) - float(b.value()); }
template <typename A, std::floating_point F>
constexpr float operator*(Checked<A> a, F b) { return float(a.value()) * float(b); }
template <typename A, std::floating_point F>
constexpr float operator*(F a, Checked<A> b) { return float(a) * float(b.value()); }

template <typename A, typename B>
constexpr bool operator==(Checked<A> a, Checked<B> b) { return detail::wide(a) == detail::wide(b); }
template <typename A, std::integral I>
constexpr bool operator==(Checked<A> a, I b) { return detail::wide(a) == detail::wide(b); }
template <typename A, typename B>
constexpr auto operator<=>(Checked<A> a, Checked<B> b) { return detail::wide(a) <=> detail::wide(b); }
template <typename A, std::integral I>
constexpr auto operator<=>(Checked<A> a, I b) { return detail::wide(a) <=> detail::wide(b); }
template <typename A, std::floating_point F>
constexpr bool operator==(Checked<A> a, F b) { return float(a.value()) == float(b); }
template <typename A, std::floating_point F>
constexpr auto operator<=>(Checked<A> a, F b) { return float(a.value()) <=> float(b); }

// Integer division, truncating towards zero.
template <typename A, typename B>
constexpr auto IntDiv(Checked<A> a, Checked<B> b)
{
    if (b.value() == 0)
        divisionByZeroError();
    return Checked<detail::Wider<A, B>>(detail::wide(a) / detail::wide(b));
}
template <typename A, std::integral I>
constexpr auto IntDiv(Checked<A> a, I b) { return IntDiv(a, Checked<detail::WithLiteral<A>>(b)); }

// The largest whole number not above v.
inline float Int(float v) { return std::floor(v); }

inline float Single(float v) { return v; }
template <std::integral I>
float Single(I v) { return static_cast<float>(v); }
template <typename T>
float Single(Checked<T> v) { return float(v.value()); }

// Decimal text of a number: CStr without a sign position, Str with a leading
// space in place of the sign of a number that is not negative.
template <typename T>
std::string CStr(Checked<T> v) { return std::to_string(detail::wide(v)); }
template <typename T>
std::string Str(Checked<T> v)
{
    std::string text(v.value() < 0 ? "" : " ");
    text += std::to_string(detail::wide(v));
    return text;
}

} // namespace rt
