#pragma once

#include "data/Variant.h"

#include <QTest>

// Lets QCOMPARE print variants.
inline char *toString(const Variant &value)
{
    return QTest::toString(describe(value));
}
