#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// Points and affine transforms in floating point, used while a Windows
// metafile is played: records give logical coordinates, the device context
// maps them to output pixels.

struct TWmfPoint {
    double X = 0;
    double Y = 0;
};

using TWmfPolygon = std::vector<TWmfPoint>;

struct TWmfRect {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;

    double Width() const { return Right - Left; }
    double Height() const { return Bottom - Top; }
    bool IsEmpty() const { return !(Right > Left && Bottom > Top); }
    TWmfRect Normalized() const {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right),
                std::max(Top, Bottom)};
    }
    TWmfRect Intersect(const TWmfRect& R) const {
        return {std::max(Left, R.Left), std::max(Top, R.Top), std::min(Right, R.Right),
                std::min(Bottom, R.Bottom)};
    }
};

// x' = x*M11 + y*M21 + Dx, y' = x*M12 + y*M22 + Dy (the layout of XFORM).
struct TWmfXform {
    double M11 = 1, M12 = 0, M21 = 0, M22 = 1, Dx = 0, Dy = 0;

    TWmfPoint Apply(TWmfPoint P) const {
        return {P.X * M11 + P.Y * M21 + Dx, P.X * M12 + P.Y * M22 + Dy};
    }
    // The transform that applies this one first, then Next.
    TWmfXform Then(const TWmfXform& Next) const {
        return {M11 * Next.M11 + M12 * Next.M21,         M11 * Next.M12 + M12 * Next.M22,
                M21 * Next.M11 + M22 * Next.M21,         M21 * Next.M12 + M22 * Next.M22,
                Dx * Next.M11 + Dy * Next.M21 + Next.Dx, Dx * Next.M12 + Dy * Next.M22 + Next.Dy};
    }
    double Determinant() const { return M11 * M22 - M12 * M21; }
    // Finite, and not collapsing the plane to a line.
    bool Usable() const {
        const double v[] = {M11, M12, M21, M22, Dx, Dy};
        for (double x : v)
            if (!std::isfinite(x) || std::fabs(x) > 1e12) return false;
        return std::fabs(Determinant()) > 1e-18;
    }
    // True when the transform keeps rectangles axis-aligned.
    bool AxisAligned() const { return M12 == 0 && M21 == 0; }
    // The factor by which lengths grow, on average over directions.
    double LengthScale() const { return std::sqrt(std::fabs(Determinant())); }

    static TWmfXform Scale(double Sx, double Sy, double Tx = 0, double Ty = 0) {
        return {Sx, 0, 0, Sy, Tx, Ty};
    }
};
