// Colour-Safe Signals measured from the palette: what a viewer with each of
// the three kinds of dichromacy sees, simulated as Machado, Oliveira and
// Fernandes (2009) do at full severity, in linear RGB; colour differences
// by CIEDE2000; contrast as WCAG defines it for graphics.

#include "view/colour_safe.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using vexel::Color;
using vexel::view::SignalLook;

using Vec = std::array<double, 3>;
using Matrix = std::array<Vec, 3>;

struct Vision {
    const char* name;
    Matrix simulate; // on linear RGB
};

const Vision Visions[] = {
    {"normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
};

Vec times(const Matrix& m, const Vec& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Vec linearRgb(Color colour)
{
    const auto linear = [](unsigned channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return {linear(vexel::red(colour)), linear(vexel::green(colour)), linear(vexel::blue(colour))};
}

// CIELAB under D65 from linear sRGB.
Vec lab(const Vec& rgb)
{
    constexpr Matrix ToXyz = {{{0.4124564, 0.3575761, 0.1804375},
                               {0.2126729, 0.7151522, 0.0721750},
                               {0.0193339, 0.1191920, 0.9503041}}};
    constexpr Vec White = {0.95047, 1.0, 1.08883};
    const Vec xyz = times(ToXyz, rgb);
    const auto f = [](double t) {
        constexpr double d = 6.0 / 29.0;
        return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29.0;
    };
    const double fx = f(xyz[0] / White[0]), fy = f(xyz[1] / White[1]), fz = f(xyz[2] / White[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

constexpr double Degree = std::numbers::pi / 180;

// CIEDE2000 with kL = kC = kH = 1.
double deltaE2000(const Vec& lab1, const Vec& lab2)
{
    const auto [L1, a1, b1] = lab1;
    const auto [L2, a2, b2] = lab2;
    const double meanC = (std::hypot(a1, b1) + std::hypot(a2, b2)) / 2;
    const double c7 = std::pow(meanC, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1p = a1 * (1 + g), a2p = a2 * (1 + g);
    const double c1p = std::hypot(a1p, b1), c2p = std::hypot(a2p, b2);
    const auto hue = [](double b, double a) {
        if (a == 0 && b == 0)
            return 0.0;
        const double h = std::atan2(b, a) / Degree;
        return h < 0 ? h + 360 : h;
    };
    const double h1p = hue(b1, a1p), h2p = hue(b2, a2p);
    const double dLp = L2 - L1, dCp = c2p - c1p;
    double dhp = 0;
    if (c1p * c2p != 0) {
        dhp = h2p - h1p;
        if (dhp > 180)
            dhp -= 360;
        else if (dhp < -180)
            dhp += 360;
    }
    const double dHp = 2 * std::sqrt(c1p * c2p) * std::sin((dhp / 2) * Degree);
    const double meanL = (L1 + L2) / 2, meanCp = (c1p + c2p) / 2;
    double meanH = h1p + h2p;
    if (c1p * c2p != 0) {
        if (std::abs(h1p - h2p) <= 180)
            meanH /= 2;
        else
            meanH = meanH < 360 ? (meanH + 360) / 2 : (meanH - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos((meanH - 30) * Degree) + 0.24 * std::cos(2 * meanH * Degree) +
                     0.32 * std::cos((3 * meanH + 6) * Degree) - 0.20 * std::cos((4 * meanH - 63) * Degree);
    const double dTheta = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
    const double cp7 = std::pow(meanCp, 7);
    const double rc = 2 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(meanL - 50, 2) / std::sqrt(20 + std::pow(meanL - 50, 2));
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double rt = -std::sin(2 * dTheta * Degree) * rc;
    return std::sqrt(std::pow(dLp / sl, 2) + std::pow(dCp / sc, 2) + std::pow(dHp / sh, 2) +
                     rt * (dCp / sc) * (dHp / sh));
}

// As a viewer with that vision sees the two, clamped to the screen's gamut.
double difference(const Vision& vision, Color a, Color b)
{
    const auto seen = [&](Color c) {
        Vec rgb = times(vision.simulate, linearRgb(c));
        for (double& channel : rgb)
            channel = std::clamp(channel, 0.0, 1.0);
        return lab(rgb);
    };
    return deltaE2000(seen(a), seen(b));
}

double contrast(Color a, Color b)
{
    const auto luminance = [](Color c) {
        const Vec rgb = linearRgb(c);
        return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double LeastDifference = 12;
constexpr double LeastContrast = 3;

} // namespace

TEST(ColourSafeSignals, EveryStateStandsApartForEveryKindOfColourVision)
{
    // The colour difference first, against Sharma, Wu and Dalal's test data.
    EXPECT_NEAR(deltaE2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(deltaE2000({50, 0, 0}, {50, -1, 2}), 2.3669, 1e-4);
    EXPECT_NEAR(deltaE2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);

    // Every two states not told apart by their outline or mark alone differ
    // in colour; a mark that melts into its own fill tells nothing.
    const auto& looks = vexel::view::SignalLooks;
    for (const Vision& vision : Visions) {
        for (const SignalLook& a : looks) {
            if (a.mark != vexel::view::Mark::None) {
                EXPECT_GE(difference(vision, a.fill, a.markColour), LeastDifference)
                    << "mark of signal " << int(a.signal) << ", " << vision.name;
            }
            for (const SignalLook& b : looks) {
                if (&a < &b && a.kind == b.kind && a.mark == b.mark && a.count == b.count) {
                    EXPECT_GE(difference(vision, a.fill, b.fill), LeastDifference)
                        << "signals " << int(a.signal) << " and " << int(b.signal) << ", " << vision.name;
                }
            }
        }
    }
    // The bad square's pattern against a plain square, as WCAG asks of graphics.
    const SignalLook& bad = looks[static_cast<std::size_t>(vexel::view::Signal::BadSquare)];
    const SignalLook& plain = looks[static_cast<std::size_t>(vexel::view::Signal::PlainSquare)];
    EXPECT_GE(contrast(bad.markColour, plain.fill), LeastContrast);
    // Without the marks the colours alone would not do: this is why they exist.
    EXPECT_LT(contrast(bad.fill, plain.fill), LeastContrast);
    EXPECT_LT(difference(Visions[2], vexel::colors::Player, vexel::colors::Yellow), LeastDifference);
}

TEST(ColourSafeSignals, ShapesTellTheirStateByCollectionAndColour)
{
    using C = vexel::Scene::Collection;
    using S = vexel::view::Signal;
    const struct {
        C collection;
        Color fill;
        std::optional<S> expected;
    } cases[] = {
        {C::Grid, vexel::colors::White, S::PlainSquare},   {C::Grid, vexel::colors::Yellow, S::BadSquare},
        {C::Gun, vexel::colors::Yellow, S::IdleGun},       {C::Grid, vexel::colors::Player, S::Player},
        {C::Bullet, vexel::colors::Bullet, S::Bullet},     {C::Gun, vexel::colors::Charge[3], S::Charge3},
        {C::Gun, vexel::rgb(255, 255, 192), std::nullopt}, // the gun template's colour
        {C::Guard, vexel::colors::Black, std::nullopt},    {C::Guard, vexel::colors::White, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto look = vexel::view::signalOf(c.collection, c.fill);
        EXPECT_EQ(look ? std::optional<S>(look->signal) : std::nullopt, c.expected)
            << static_cast<int>(c.collection) << " " << c.fill;
    }
}
