// SPDX-License-Identifier: MIT
#include "DispatchObject.h"
#include "NotesFolderServer.h"
#include "ServerException.h"
#include "StatusError.h"
#include "TempFolder.h"
#include "outlook/Application.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Calls whose id, kind or arguments do not fit the object model are answered
// with the status an automation server gives; calls that fit but ask for
// something the server does not have raise a server exception.
class NotesServerCalls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.Write("only.txt", "text");
        ASSERT_TRUE(m_application.CreateDispatch("Outlook.Application"));
        m_nameSpace = m_application.GetNamespace("MAPI");
        m_folderObject = m_nameSpace.GetDefaultFolder(12);
        m_items = m_folderObject.GetItems();
        m_note = m_items.Item(1);
    }

    static HRESULT StatusOf(const std::function<void()>& call)
    {
        try {
            call();
        } catch (const CStatusError& error) {
            return error.Code();
        } catch (const CServerException&) {
            return DISP_E_EXCEPTION;
        }
        return S_OK;
    }

    static std::string DescriptionOf(const std::function<void()>& call)
    {
        try {
            call();
        } catch (const CServerException& error) {
            return error.Description();
        }
        return "no server exception";
    }

    CTempFolder m_folder;
    CProgIdRegistration m_registration{"Outlook.Application",
                                       CNotesFolderServer::Factory(m_folder.Path())};
    Outlook::Application m_application;
    Outlook::NameSpace m_nameSpace;
    Outlook::MAPIFolder m_folderObject;
    Outlook::Items m_items;
    Outlook::NoteItem m_note;
};

constexpr auto Method = InvokeKind::Method;
constexpr auto Get = InvokeKind::PropertyGet;
constexpr auto Put = InvokeKind::PropertyPut;

TEST_F(NotesServerCalls, UnknownIdsAndWrongKindsAreNotMembers)
{
    EXPECT_EQ(StatusOf([&] { m_application.InvokeHelper(9999, Method, VT_EMPTY); }),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(StatusOf([&] { m_application.InvokeHelper(272, Get, VT_DISPATCH, {"MAPI"}); }),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(StatusOf([&] { m_folderObject.InvokeHelper(12544, Method, VT_DISPATCH); }),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(StatusOf([&] { m_items.InvokeHelper(80, Method, VT_I4); }), DISP_E_MEMBERNOTFOUND);
    // The notes are read-only here: no property can be set.
    EXPECT_EQ(StatusOf([&] { m_note.InvokeHelper(63392, Put, VT_EMPTY, {"new subject"}); }),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(StatusOf([&] { m_note.InvokeHelper(37120, Method, VT_BSTR); }),
              DISP_E_MEMBERNOTFOUND);
    // An id of another object kind is unknown on this one.
    EXPECT_EQ(StatusOf([&] { m_note.InvokeHelper(80, Get, VT_I4); }), DISP_E_MEMBERNOTFOUND);
}

TEST_F(NotesServerCalls, WrongArgumentCountsAndTypesAreRefused)
{
    EXPECT_EQ(StatusOf([&] { m_application.InvokeHelper(272, Method, VT_DISPATCH); }),
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(StatusOf([&] { m_application.InvokeHelper(272, Method, VT_DISPATCH, {7}); }),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(StatusOf([&] { m_nameSpace.InvokeHelper(8459, Method, VT_DISPATCH, {"12"}); }),
              DISP_E_TYPEMISMATCH);
    // The folder type is not optional.
    EXPECT_EQ(StatusOf([&] {
                  m_nameSpace.InvokeHelper(8459, Method, VT_DISPATCH, {CVariant::Missing()});
              }),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(StatusOf([&] { m_items.InvokeHelper(81, Method, VT_DISPATCH, {"only"}); }),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(StatusOf([&] { m_items.InvokeHelper(80, Get, VT_I4, {1}); }), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(StatusOf([&] { m_note.InvokeHelper(37120, Get, VT_BSTR, {1}); }),
              DISP_E_BADPARAMCOUNT);
}

TEST_F(NotesServerCalls, LogonTakesItsFourOptionalArgumentsInAnyForm)
{
    const CVariant missing = CVariant::Missing();
    EXPECT_EQ(StatusOf([&] { m_nameSpace.Logon(missing, missing, missing, missing); }), S_OK);
    EXPECT_EQ(StatusOf([&] { m_nameSpace.InvokeHelper(8453, Method, VT_EMPTY); }), S_OK);
    EXPECT_EQ(StatusOf([&] {
                  m_nameSpace.Logon("Profile", "secret", CVariant::FromBool(false),
                                    CVariant::FromBool(true));
              }),
              S_OK);
    EXPECT_EQ(StatusOf([&] { m_nameSpace.Logon(1, missing, missing, missing); }),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(StatusOf([&] {
                  m_nameSpace.InvokeHelper(8453, Method, VT_EMPTY,
                                           {missing, missing, missing, missing, missing});
              }),
              DISP_E_BADPARAMCOUNT);
}

TEST_F(NotesServerCalls, NamedArgumentsOnAMethodAreRefused)
{
    DispParams params;
    params.args.emplace_back("MAPI");
    params.namedArgs.push_back(0);
    CVariant result;
    ExcepInfo excepInfo;
    EXPECT_EQ(m_application.GetDispatch()->Invoke(272, Method, params, &result, &excepInfo),
              DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(result.Type(), VT_EMPTY);
}

TEST_F(NotesServerCalls, WhatTheServerDoesNotHaveRaisesAServerException)
{
    EXPECT_EQ(DescriptionOf([&] { m_application.GetNamespace("OLE"); }),
              "The namespace \"OLE\" does not exist; the only one is \"MAPI\".");
    EXPECT_EQ(StatusOf([&] { m_application.GetNamespace("mapi"); }), S_OK);
    EXPECT_EQ(DescriptionOf([&] { m_nameSpace.GetDefaultFolder(6); }),
              "There is no default folder of type 6; this server keeps only the Notes folder "
              "(type 12).");
    EXPECT_EQ(DescriptionOf([&] { m_items.Item(0); }),
              "There is no item at position 0; the folder holds 1.");
    EXPECT_EQ(DescriptionOf([&] { m_items.Item(2); }),
              "There is no item at position 2; the folder holds 1.");
}

TEST_F(NotesServerCalls, ACallWithoutAResultSlotIsAnsweredAndLeavesNothingBehind)
{
    DispParams params;
    params.args.emplace_back(12);
    ExcepInfo excepInfo;
    const long before = CDispatchObject::LiveObjects();
    EXPECT_EQ(m_nameSpace.GetDispatch()->Invoke(8459, Method, params, nullptr, &excepInfo), S_OK);
    EXPECT_EQ(CDispatchObject::LiveObjects(), before);
}

} // namespace
