// What the schedule page tests read: a 32-bit word of a request as it went
// on the wire, and a chart's colour at a point within what the picture grab
// may round.
#pragma once

#include "sim/WireBody.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

inline uint32_t WireU32(const sim::Bytes& bytes, size_t at)
{
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8
        | bytes[at + 3];
}

inline ::testing::AssertionResult Shows(const QImage& picture, int x, int y, QColor expected)
{
    const QColor got = picture.pixelColor(x, y);
    if (std::abs(got.red() - expected.red()) <= 4 && std::abs(got.green() - expected.green()) <= 4
        && std::abs(got.blue() - expected.blue()) <= 4)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << x << ", " << y << ") is " << got.name().toStdString()
                                         << ", not " << expected.name().toStdString();
}
