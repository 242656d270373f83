// SPDX-License-Identifier: MIT
#include "DispatchHolder.h"

#include "CountingObject.h"
#include "ProgIdRegistry.h"
#include "ServerException.h"
#include "StatusError.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Holds one extra reference for the test, so counts can be read after the
// holders under test have let go.
struct Watched
{
    Watched() : object(new CCountingObject) {}
    ~Watched() { object->Release(); }
    CCountingObject* object;
};

IDispatch* NewReference(CCountingObject* object)
{
    object->AddRef();
    return object;
}

TEST(DispatchHolderOwnership, WrappingTakesOverWithoutAddingACount)
{
    Watched watched;
    {
        CDispatchHolder holder(NewReference(watched.object));
        EXPECT_EQ(watched.object->References(), 2u);
        EXPECT_TRUE(holder.AutoRelease());
    }
    EXPECT_EQ(watched.object->References(), 1u);
}

TEST(DispatchHolderOwnership, CopyAddsOneAndEachCopyReleasesItsOwn)
{
    Watched watched;
    {
        CDispatchHolder first(NewReference(watched.object));
        {
            CDispatchHolder second(first);
            EXPECT_EQ(watched.object->References(), 3u);
        }
        EXPECT_EQ(watched.object->References(), 2u);
    }
    EXPECT_EQ(watched.object->References(), 1u);
}

TEST(DispatchHolderOwnership, AssignmentTakesTheNewBeforeReleasingTheOld)
{
    Watched oldObject;
    Watched newObject;
    CDispatchHolder target(NewReference(oldObject.object), false);
    CDispatchHolder source(NewReference(newObject.object));
    target = source;
    EXPECT_EQ(newObject.object->References(), 3u);
    EXPECT_TRUE(target.AutoRelease()) << "assignment sets auto-release";
    // The old holder did not own its reference (auto-release clear), so the
    // assignment must not have released it.
    EXPECT_EQ(oldObject.object->References(), 2u);
    oldObject.object->Release();
}

TEST(DispatchHolderOwnership, AssigningAHolderOfTheLastReferenceToItselfKeepsTheObject)
{
    int destroyed = 0;
    struct CNotifying final : CDispatchObject
    {
        explicit CNotifying(int& count) : m_count(count) {}
        ~CNotifying() override { ++m_count; }
        HRESULT Invoke(DISPID, InvokeKind, DispParams&, CVariant*, ExcepInfo*) override
        {
            return S_OK;
        }
        int& m_count;
    };
    CDispatchHolder holder(new CNotifying(destroyed));
    CDispatchHolder& alias = holder;
    holder = alias;
    EXPECT_EQ(destroyed, 0);
    EXPECT_FALSE(holder.IsEmpty());
    holder.ReleaseDispatch();
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(holder.IsEmpty());
}

TEST(DispatchHolderOwnership, ReleasesWhenAnExceptionUnwindsItsScope)
{
    Watched watched;
    EXPECT_THROW(
        {
            CDispatchHolder holder(NewReference(watched.object));
            throw std::runtime_error("unwind");
        },
        std::runtime_error);
    EXPECT_EQ(watched.object->References(), 1u);
}

TEST(DispatchHolderOwnership, DetachHandsTheReferenceToTheCaller)
{
    Watched watched;
    CDispatchHolder holder(NewReference(watched.object));
    IDispatch* detached = holder.DetachDispatch();
    EXPECT_TRUE(holder.IsEmpty());
    EXPECT_EQ(watched.object->References(), 2u);
    detached->Release();
}

TEST(DispatchHolderCalls, AnEmptyHolderDoesNothingAndRaisesNothing)
{
    CDispatchHolder empty;
    CVariant result;
    EXPECT_NO_THROW(result = empty.InvokeHelper(7, InvokeKind::Method, VT_I4, {1, "x"}));
    EXPECT_EQ(result.Type(), VT_EMPTY);
}

TEST(DispatchHolderCalls, ArgumentsTravelLastFirstAndAPutNamesItsValue)
{
    Watched watched;
    CDispatchHolder holder(NewReference(watched.object));
    holder.InvokeHelper(2036, InvokeKind::Method, VT_EMPTY, {"a.ppt", 1, 0});
    ASSERT_EQ(watched.object->lastParams.args.size(), 3u);
    EXPECT_EQ(watched.object->lastParams.args[0], CVariant(0));
    EXPECT_EQ(watched.object->lastParams.args[2], CVariant("a.ppt"));
    EXPECT_TRUE(watched.object->lastParams.namedArgs.empty());
    EXPECT_FALSE(watched.object->lastHadResult);

    holder.InvokeHelper(2024, InvokeKind::PropertyPut, VT_EMPTY, {3});
    EXPECT_EQ(watched.object->lastKind, InvokeKind::PropertyPut);
    EXPECT_EQ(watched.object->lastParams.namedArgs, std::vector<DISPID>{DISPID_PROPERTYPUT});
}

TEST(DispatchHolderCalls, AServerExceptionCarriesEveryFieldOfTheRecord)
{
    CDispatchHolder holder(new CCountingObject([](DispParams&, CVariant*, ExcepInfo* info) {
        info->description = "Item Rectangle 9 not found";
        info->source = "Server";
        info->helpContext = 42;
        info->scode = E_INVALIDARG;
        return DISP_E_EXCEPTION;
    }));
    try {
        holder.InvokeHelper(0, InvokeKind::Method, VT_DISPATCH, {"Rectangle 9"});
        FAIL() << "no exception";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.Description(), "Item Rectangle 9 not found");
        EXPECT_EQ(error.Source(), "Server");
        EXPECT_EQ(error.HelpContext(), 42u);
        EXPECT_EQ(error.Code(), E_INVALIDARG);
        EXPECT_EQ(error.ErrorText(), "Item Rectangle 9 not found");
    }
}

TEST(DispatchHolderCalls, AnEmptyDescriptionIsShownEmpty)
{
    CDispatchHolder holder(
        new CCountingObject([](DispParams&, CVariant*, ExcepInfo*) { return DISP_E_EXCEPTION; }));
    try {
        holder.InvokeHelper(1, InvokeKind::Method, VT_EMPTY);
        FAIL() << "no exception";
    } catch (const CServerException& error) {
        EXPECT_EQ(error.ErrorText(), "");
    }
}

TEST(DispatchHolderCalls, OtherFailingStatusesBecomeStatusErrors)
{
    CDispatchHolder holder(new CCountingObject(
        [](DispParams&, CVariant*, ExcepInfo*) { return DISP_E_MEMBERNOTFOUND; }));
    try {
        holder.InvokeHelper(1, InvokeKind::Method, VT_EMPTY);
        FAIL() << "no exception";
    } catch (const CStatusError& error) {
        EXPECT_EQ(error.Code(), DISP_E_MEMBERNOTFOUND);
        EXPECT_EQ(error.ErrorText(), "Member not found.");
    }
    EXPECT_EQ(CStatusError(MakeStatus(0x80041234)).ErrorText(), "Internal application error.");
}

TEST(DispatchHolderCalls, ResultsAreConvertedToTheExpectedType)
{
    CDispatchHolder numberAsText(new CCountingObject([](DispParams&, CVariant* result, ExcepInfo*) {
        *result = CVariant(" 12 ");
        return S_OK;
    }));
    EXPECT_EQ(numberAsText.InvokeHelper(11, InvokeKind::PropertyGet, VT_I4), CVariant(12));
    try {
        numberAsText.InvokeHelper(11, InvokeKind::PropertyGet, VT_DISPATCH);
        FAIL() << "no exception";
    } catch (const CStatusError& error) {
        EXPECT_EQ(error.Code(), DISP_E_TYPEMISMATCH);
    }
}

TEST(DispatchHolderCalls, AnObjectResultNotTakenIsReleased)
{
    Watched child;
    CDispatchHolder holder(new CCountingObject([&child](DispParams&, CVariant* result, ExcepInfo*) {
        *result = CVariant::TakeDispatch(NewReference(child.object));
        return S_OK;
    }));
    holder.InvokeHelper(2017, InvokeKind::Method, VT_DISPATCH, {"text"});
    EXPECT_EQ(child.object->References(), 1u);
}

TEST(ProgIdTable, CreatesRegisteredServersAndFailsCleanlyForOthers)
{
    CDispatchHolder holder;
    EXPECT_FALSE(holder.CreateDispatch("Nobody.Application"));
    EXPECT_TRUE(holder.IsEmpty());
    {
        CProgIdRegistration registration("Test.Application",
                                         []() -> IDispatch* { return new CCountingObject; });
        EXPECT_TRUE(holder.CreateDispatch("TEST.application")) << "ids ignore ASCII case";
        EXPECT_FALSE(holder.IsEmpty());
    }
    CDispatchHolder afterScope;
    EXPECT_FALSE(afterScope.CreateDispatch("Test.Application"));
}

TEST(ProgIdTable, AServerThatCannotStartGivesAFailingStatus)
{
    CProgIdRegistration failing("Failing.Application",
                                []() -> IDispatch* { throw std::runtime_error("cannot start"); });
    IDispatch* dispatch = nullptr;
    EXPECT_EQ(CProgIdRegistry::Instance().Create("Failing.Application", &dispatch),
              CO_E_SERVER_EXEC_FAILURE);
    EXPECT_EQ(dispatch, nullptr);
    EXPECT_EQ(CProgIdRegistry::Instance().Create("Unknown.Application", &dispatch),
              REGDB_E_CLASSNOTREG);
}

TEST(ProgIdTable, ANestedRegistrationRestoresTheOneBefore)
{
    int outerStarts = 0;
    CProgIdRegistration outer("Nested.Application", [&outerStarts]() -> IDispatch* {
        ++outerStarts;
        return new CCountingObject;
    });
    {
        CProgIdRegistration inner("Nested.Application", []() -> IDispatch* { return nullptr; });
        CDispatchHolder holder;
        EXPECT_FALSE(holder.CreateDispatch("Nested.Application"));
    }
    CDispatchHolder holder;
    EXPECT_TRUE(holder.CreateDispatch("Nested.Application"));
    EXPECT_EQ(outerStarts, 1);
}

} // namespace
