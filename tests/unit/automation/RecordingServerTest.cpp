// SPDX-License-Identifier: MIT
#include "RecordingServer.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// A two-kind object model, enough to drive every rule the recording servers
// share: a method with mixed arguments, a put, and a get that gives an object.
const std::array<CRecordedOperation, 4>& ToyOperations()
{
    using K = InvokeKind;
    static const std::array<CRecordedOperation, 4> operations{{
        {"Deck", 7, K::Method, "Move", {VT_I4, VT_BSTR}, ""},
        {"Deck", 8, K::PropertyPut, "Title", {VT_BSTR}, ""},
        {"Deck", 9, K::PropertyGet, "Card", {}, "Card"},
        {"Card", 7, K::Method, "Flip", {}, ""},
    }};
    return operations;
}

class CToyObject final : public CRecordingObject
{
public:
    CToyObject(std::shared_ptr<CRecordingLog> log, std::string kind, std::string label)
        : CRecordingObject(log, ToyOperations(), std::move(kind), std::move(label)),
          m_log(std::move(log))
    {}

    int answers = 0;

private:
    void Answer(const CRecordedOperation& operation, const std::vector<CVariant>&,
                CVariant* result) override
    {
        ++answers;
        if (result != nullptr && *operation.resultKind != '\0')
            *result = CVariant::TakeDispatch(
                new CToyObject(m_log, operation.resultKind, Label() + ".Card"));
    }

    std::shared_ptr<CRecordingLog> m_log;
};

class CToyServer final : public CRecordingServerBase
{
public:
    CToyServer()
        : CRecordingServerBase(std::make_shared<CRecordingLog>("Toy server"), "Toy.Deck",
                               [](const std::shared_ptr<CRecordingLog>& log) -> IDispatch* {
                                   return new CToyObject(log, "Deck", "Deck");
                               })
    {}

    using CRecordingServerBase::Starts;
};

class RecordingObject : public ::testing::Test
{
protected:
    ~RecordingObject() override { m_deck->Release(); }

    // Arguments in call order; they travel last first.
    HRESULT Call(IDispatch* object, DISPID dispid, InvokeKind kind, std::vector<CVariant> args,
                 std::vector<DISPID> named = {}, CVariant* result = nullptr)
    {
        DispParams params{{args.rbegin(), args.rend()}, std::move(named)};
        return object->Invoke(dispid, kind, params, result, &m_excepInfo);
    }

    std::shared_ptr<CRecordingLog> m_log = std::make_shared<CRecordingLog>("Toy server");
    CToyObject* m_deck = new CToyObject(m_log, "Deck", "Deck");
    ExcepInfo m_excepInfo;
};

TEST_F(RecordingObject, RecordsEachFormAsAReadableLineAndItsArgumentTypes)
{
    CVariant card;
    EXPECT_EQ(Call(m_deck, 7, InvokeKind::Method, {3, "top"}), S_OK);
    EXPECT_EQ(Call(m_deck, 8, InvokeKind::PropertyPut, {"Aces"}, {DISPID_PROPERTYPUT}), S_OK);
    EXPECT_EQ(Call(m_deck, 9, InvokeKind::PropertyGet, {}, {}, &card), S_OK);
    ASSERT_EQ(card.Type(), VT_DISPATCH);
    EXPECT_EQ(Call(card.Dispatch(), 7, InvokeKind::Method, {}), S_OK);

    EXPECT_EQ(m_log->calls, (Strings{"Deck.Move(3, \"top\")", "Deck.Title = \"Aces\"", "Deck.Card",
                                     "Deck.Card.Flip()"}));
    ASSERT_EQ(m_log->invocations.size(), 4u);
    EXPECT_EQ(m_log->invocations[0].argTypes, (Strings{"I4", "BSTR"}));
    EXPECT_FALSE(m_log->invocations[0].propertyPutNamed);
    EXPECT_TRUE(m_log->invocations[1].propertyPutNamed);
    EXPECT_EQ(m_log->invocations[3].objectKind, "Card");
    EXPECT_EQ(m_log->invocations[3].kind, InvokeKind::Method);
    EXPECT_EQ(m_deck->answers, 3);
}

TEST_F(RecordingObject, AnswersWrongFormsWithTheServerStatusAndDoesNotAnswerThem)
{
    // Ids belong to a kind of object and an invoke kind; nothing is recorded.
    EXPECT_EQ(Call(m_deck, 7, InvokeKind::PropertyGet, {}), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(m_deck, 99, InvokeKind::Method, {}), DISP_E_MEMBERNOTFOUND);
    EXPECT_TRUE(m_log->calls.empty());
    // A call of a known form is recorded before its arguments are checked,
    // so the test sees what the binding sent.
    EXPECT_EQ(Call(m_deck, 7, InvokeKind::Method, {3}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(m_deck, 7, InvokeKind::Method, {"3", "top"}), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Call(m_deck, 8, InvokeKind::PropertyPut, {"Aces"}), DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(Call(m_deck, 8, InvokeKind::PropertyPut, {"Aces"}, {DISPID_PROPERTYPUT, 1}),
              DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(m_log->calls, (Strings{"Deck.Move(3)", "Deck.Move(\"3\", \"top\")",
                                     "Deck.Title = \"Aces\"", "Deck.Title = \"Aces\""}));
    EXPECT_EQ(m_log->invocations[1].argTypes, (Strings{"BSTR", "BSTR"}));
    EXPECT_FALSE(m_log->invocations[2].propertyPutNamed);
    EXPECT_EQ(m_deck->answers, 0);
}

TEST_F(RecordingObject, FailsTheRecordedLineAsToldWithoutAnsweringIt)
{
    m_log->failures["Deck.Move(1, \"top\")"] = {"The deck is glued.", DISP_E_EXCEPTION};
    m_log->failures["Deck.Move(2, \"top\")"] = {"", DISP_E_OVERFLOW};

    EXPECT_EQ(Call(m_deck, 7, InvokeKind::Method, {1, "top"}), DISP_E_EXCEPTION);
    EXPECT_EQ(m_excepInfo.source, "Toy server");
    EXPECT_EQ(m_excepInfo.description, "The deck is glued.");
    EXPECT_EQ(m_excepInfo.scode, E_FAIL);
    EXPECT_EQ(Call(m_deck, 7, InvokeKind::Method, {2, "top"}), DISP_E_OVERFLOW);
    EXPECT_EQ(Call(m_deck, 7, InvokeKind::Method, {3, "top"}), S_OK);
    EXPECT_EQ(m_deck->answers, 1);
}

TEST(RecordingServer, RegistersForItsLifetimeCountsStartsAndCanRefuseThem)
{
    IDispatch* deck = nullptr;
    {
        CToyServer server;
        ASSERT_EQ(CProgIdRegistry::Instance().Create("Toy.Deck", &deck), S_OK);
        ASSERT_NE(deck, nullptr);
        deck->Release();
        server.SetStartFails(true);
        EXPECT_NE(CProgIdRegistry::Instance().Create("Toy.Deck", &deck), S_OK);
        EXPECT_EQ(deck, nullptr);
        EXPECT_EQ(server.Starts(), 1);
    }
    EXPECT_FALSE(CProgIdRegistry::Instance().Find("Toy.Deck"));
}

TEST(RecordingServer, FailOnReachesObjectsItStartedAndClearCallsForgetsTheirLines)
{
    CToyServer server;
    server.FailOn("Deck.Move(1, \"top\")", "The deck is glued.");
    IDispatch* deck = nullptr;
    ASSERT_EQ(CProgIdRegistry::Instance().Create("Toy.Deck", &deck), S_OK);
    std::vector<CVariant> args{"top", 1};
    DispParams params{args, {}};
    ExcepInfo excepInfo;
    EXPECT_EQ(deck->Invoke(7, InvokeKind::Method, params, nullptr, &excepInfo), DISP_E_EXCEPTION);
    EXPECT_EQ(excepInfo.description, "The deck is glued.");
    deck->Release();
    EXPECT_EQ(server.Calls(), Strings{"Deck.Move(1, \"top\")"});
    ASSERT_EQ(server.Invocations().size(), 1u);
    server.ClearCalls();
    EXPECT_TRUE(server.Calls().empty());
    EXPECT_TRUE(server.Invocations().empty());
}

} // namespace
