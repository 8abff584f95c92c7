// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "units/Conversions.h"

#include <array>

namespace {

// One step on the value: a multiplication by the stored factor, except
// inch to ft, which divides by 12.
struct Operation {
    bool divide;
    double factor;
    double apply(double value) const { return divide ? value / factor : value * factor; }
};

constexpr Operation x(double factor) { return {false, factor}; }
constexpr Operation per(double divisor) { return {true, divisor}; }
// A unit to itself never converts; the protocol handles that press.
constexpr Operation same = x(1.0);

template <std::size_t n>
using Matrix = std::array<std::array<Operation, n>, n>;

// Rows: source unit; columns: target unit; both in code order.
// clang-format off
constexpr Matrix<8> length{{
    //  mm            cm           m              km             inch              ft                yd                mile
    {{same, x(0.1), x(0.001), x(1e-06), x(0.039370078), x(0.003280839), x(0.001093613), x(6.21e-07)}},
    {{x(10.0), same, x(0.01), x(1e-05), x(0.393700787), x(0.032808398), x(0.010936132), x(6.213e-06)}},
    {{x(1000.0), x(100.0), same, x(0.001), x(39.37007874), x(3.280839895), x(1.093613298), x(0.000621371)}},
    {{x(1000000.0), x(100000.0), x(1000.0), same, x(39370.07874), x(3280.839895), x(1093.613298), x(0.621371192)}},
    {{x(25.4), x(2.54), x(0.0254), x(2.54e-05), same, per(12.0), x(0.027777777), x(1.5782e-05)}},
    {{x(304.8), x(30.48), x(0.3048), x(0.0003048), x(12.0), same, x(0.333333333), x(0.000189393)}},
    {{x(914.4), x(91.44), x(0.9144), x(0.0009144), x(36.0), x(3.0), same, x(0.000568181)}},
    {{x(1609344.0), x(160934.4), x(1609.344), x(1.609344), x(63360.0), x(5280.0), x(1760.0), same}},
}};
// clang-format on

// clang-format off
constexpr Matrix<4> mass{{
    //  g                 kg               oz                lb
    {{same, x(0.001), x(0.035273961), x(0.002204622)}},
    {{x(1000.0), same, x(35.27396195), x(2.204622622)}},
    {{x(28.34952313), x(0.028349523), same, x(0.0625)}},
    {{x(453.59237), x(0.45359237), x(16.0), same}},
}};
// clang-format on

// clang-format off
constexpr Matrix<4> volume{{
    //  ml                l                fl oz            gal
    {{same, x(0.001), x(0.033814022), x(0.000264172)}},
    {{x(1000.0), same, x(33.8140227), x(0.264172052)}},
    {{x(29.57352956), x(0.029573529), same, x(0.0078125)}},
    {{x(3785.411784), x(3.785411784), x(128.0), same}},
}};
// clang-format on

// A row and a column for each unit of the quantity.
static_assert(length.size() == 8 && mass.size() == 4 && volume.size() == 4);

template <std::size_t n>
double through(const Matrix<n>& matrix, int source, int target, double value)
{
    const auto row = static_cast<std::size_t>(source % 10 - 1);
    const auto column = static_cast<std::size_t>(target % 10 - 1);
    return matrix[row][column].apply(value);
}

} // namespace

Quantity quantityOf(int unitCode) { return static_cast<Quantity>(unitCode / 10); }

Quantity quantityOfKey(KeyId key) { return quantityOf(unitCodeOf(key)); }

double convert(int sourceCode, int targetCode, double value, double yenPerDollar)
{
    switch (quantityOf(sourceCode)) {
    case Quantity::length:
        return through(length, sourceCode, targetCode, value);
    case Quantity::mass:
        return through(mass, sourceCode, targetCode, value);
    case Quantity::volume:
        return through(volume, sourceCode, targetCode, value);
    case Quantity::money:
        return sourceCode == unit::yen ? value / yenPerDollar : value * yenPerDollar;
    case Quantity::temperature:
        // Each step rounds on its own, in this order.
        if (sourceCode == unit::celsius)
            return ((value * 9.0) / 5.0) + 32.0;
        return ((value - 32.0) * 5.0) / 9.0;
    default:
        return value;
    }
}
