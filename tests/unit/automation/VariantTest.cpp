// SPDX-License-Identifier: MIT
#include "Variant.h"

#include "CountingObject.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>

namespace {

TEST(VariantConversion, NumbersAndTextConvertAsAutomationDoes)
{
    EXPECT_EQ(CVariant("-42").ChangeType(VT_I4), CVariant(-42));
    EXPECT_EQ(CVariant(7).ChangeType(VT_BSTR), CVariant("7"));
    EXPECT_EQ(CVariant().ChangeType(VT_I4), CVariant(0));
    EXPECT_EQ(CVariant().ChangeType(VT_BSTR), CVariant(""));
    EXPECT_EQ(CVariant::FromBool(true).ChangeType(VT_I4), CVariant(-1));
    EXPECT_EQ(CVariant::FromDate(2.5).ChangeType(VT_I4), CVariant(2)) << "half to even";
    EXPECT_EQ(CVariant::FromDate(3.5).ChangeType(VT_I4), CVariant(4));
}

TEST(VariantConversion, ImpossibleConversionsGiveNothing)
{
    EXPECT_FALSE(CVariant("twelve").ChangeType(VT_I4));
    EXPECT_FALSE(CVariant("99999999999").ChangeType(VT_I4));
    EXPECT_FALSE(CVariant("").ChangeType(VT_I4));
    EXPECT_FALSE(CVariant::FromDate(1e12).ChangeType(VT_I4));
    EXPECT_FALSE(CVariant(1).ChangeType(VT_DISPATCH));
    EXPECT_FALSE(CVariant().ChangeType(VT_DISPATCH));
}

TEST(VariantConversion, TheMissingArgumentMarkerIsAnError)
{
    const CVariant missing = CVariant::Missing();
    EXPECT_EQ(missing.Type(), VT_ERROR);
    EXPECT_EQ(missing.Error(), DISP_E_PARAMNOTFOUND);
    EXPECT_TRUE(missing.IsMissing());
    EXPECT_FALSE(CVariant::FromError(E_FAIL).IsMissing());
}

TEST(VariantReferences, EveryCopyOfAnObjectValueOwnsOneReference)
{
    auto* object = new CCountingObject;
    object->AddRef(); // the test's own
    {
        CVariant value = CVariant::TakeDispatch(object);
        EXPECT_EQ(object->References(), 2u);
        CVariant copy = value;
        EXPECT_EQ(object->References(), 3u);
        copy = CVariant(5);
        EXPECT_EQ(object->References(), 2u);
        CVariant moved = std::move(value);
        EXPECT_EQ(object->References(), 2u);
        EXPECT_EQ(value.Type(), VT_EMPTY);
    }
    EXPECT_EQ(object->References(), 1u);
    object->Release();
}

TEST(VariantValues, MovesLeaveTheSourceEmptyAndEqualityNeedsTheSameTypeAndValue)
{
    const std::string longText(100, 'x'); // beyond any string's own room
    CVariant text(longText);
    CVariant moved = std::move(text);
    EXPECT_EQ(text.Type(), VT_EMPTY);
    EXPECT_EQ(moved.String(), longText);
    moved = CVariant(3);
    EXPECT_EQ(moved, CVariant(3));
    EXPECT_THROW(moved.String(), std::bad_variant_access);
    moved = CVariant("three");
    EXPECT_EQ(moved, CVariant("three"));
    EXPECT_THROW(moved.I4(), std::bad_variant_access);

    EXPECT_NE(CVariant(0), CVariant::FromBool(false));
    EXPECT_NE(CVariant(0), CVariant::FromError(0));
    EXPECT_NE(CVariant(0), CVariant());
    EXPECT_NE(CVariant(""), CVariant());
    EXPECT_NE(CVariant::FromDate(1.0), CVariant::FromDate(2.0));
    EXPECT_EQ(CVariant::FromDate(1.0), CVariant::FromDate(1.0));
}

} // namespace
