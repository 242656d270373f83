// SPDX-License-Identifier: MIT
#include "PresentationObject.h"

#include "DocumentLoan.h"
#include "PowerPointDispids.h"
#include "Utf8Text.h"
#include "ViewingCopies.h"

#include <filesystem>
#include <stdexcept>
#include <string>

CPresentationObject::CPresentationObject(std::shared_ptr<ApplicationState> state, bool withWindow)
    : CModelObject(state), m_withWindow(withWindow), m_slides(MakeObject<CSlidesObject>(state))
{}

std::span<const DispatchRow<CPresentationObject>> CPresentationObject::Members()
{
    using Row = DispatchRow<CPresentationObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::PresentationSlides, InvokeKind::PropertyGet, Args(),
         &CPresentationObject::GetSlides},
        {PowerPointDispid::PresentationApplyTemplate, InvokeKind::Method, Args(ArgType::String),
         &CPresentationObject::ApplyTemplate},
        {PowerPointDispid::PresentationSaveAs, InvokeKind::Method,
         Args(ArgType::String, ArgType::I4, ArgType::I4), &CPresentationObject::SaveAs},
    };
    return rows;
}

HRESULT CPresentationObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

PresentationDocument CPresentationObject::ToDocument() const
{
    return PresentationDocument{m_slides->ToSlideData(), m_design ? m_design->design : nullptr,
                                m_design ? m_design->packageDesign : nullptr};
}

CVariant CPresentationObject::GetSlides(const CArguments&)
{
    return m_slides.NewReference();
}

CVariant CPresentationObject::ApplyTemplate(const CArguments& args)
{
    const std::string& fileName = args.String(0);
    IDesignTemplateLoader* loader = State()->services.templateLoader.get();
    if (loader == nullptr)
        throw CServerError(ServerError::TemplatesNotSupported, {ToValidUtf8(fileName)});
    try {
        m_design = loader->Load(fileName);
    } catch (const CTemplateError& error) {
        if (*error.what() == '\0')
            throw CServerError(ServerError::TemplateFailedWithoutReason, {ToValidUtf8(fileName)});
        throw CServerError(ServerError::TemplateFailed, {error.what()});
    }
    return {};
}

// Fonts are never embedded: the file uses the readers' own fonts, so the
// third argument is taken and has no effect.
CVariant CPresentationObject::SaveAs(const CArguments& args)
{
    const std::string& fileName = args.String(0);
    const std::int32_t fileFormat = args.I4(1);
    if (fileName.empty())
        throw CServerError(ServerError::FileNameEmpty);
    const bool presentation = fileFormat == PowerPointConstant::ppSaveAsPresentation ||
                              fileFormat == PowerPointConstant::ppSaveAsOpenXMLPresentation;
    if (!presentation && fileFormat != PowerPointConstant::ppSaveAsTemplate) {
        throw CServerError(ServerError::FileFormatNotSupported,
                           {std::to_string(fileFormat), ToValidUtf8(fileName)});
    }
    Write(fileName, fileFormat);
    if (presentation)
        m_savedPath = fileName;
    return {};
}

void CPresentationObject::Write(const std::string& fileName, int fileFormat)
{
    IPresentationFileWriter* writer = State()->services.fileWriter.get();
    if (writer == nullptr)
        throw CServerError(ServerError::NoFileWriter, {ToValidUtf8(fileName)});
    try {
        const CDocumentLoan loan(*m_slides, m_design ? m_design->design : nullptr,
                                 m_design ? m_design->packageDesign : nullptr);
        writer->Write(loan.Document(), fileName, fileFormat);
    } catch (const CSaveError& error) {
        if (*error.what() == '\0')
            throw CServerError(ServerError::SaveFailedWithoutReason, {ToValidUtf8(fileName)});
        throw CServerError(ServerError::SaveFailed, {error.what()});
    }
}

std::uint32_t CPresentationObject::Release() noexcept
{
    // The presentations collection keeps one reference of its own; the
    // client is done when that is the only one left.
    const std::uint32_t remaining = CModelObject::Release();
    if (remaining == 1)
        HandOffToViewer();
    return remaining;
}

void CPresentationObject::HandOffToViewer() noexcept
{
    const ApplicationState& state = *State();
    IPresentationViewer* viewer = state.services.viewer.get();
    if (viewer == nullptr || !state.active || state.quit || m_handedOff)
        return;
    m_handedOff = true;
    try {
        viewer->Show(m_savedPath.empty() ? SaveViewingCopy() : m_savedPath);
    } catch (const std::exception& error) {
        viewer->ReportFailure(std::string("The presentation could not be opened for viewing: ") +
                              error.what());
    }
}

// An unsaved presentation is shown from a copy in a folder of its own under
// the temporary folder, named as the client calls it. The copies that earlier
// runs left and that no viewer can still need are removed first: here rather
// than at every start, so a run that shows nothing does not read through the
// temporary folder.
std::string CPresentationObject::SaveViewingCopy()
{
    const auto& name = State()->services.viewingName;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    ViewingCopies::RemoveStale(temporary);
    const std::filesystem::path folder = ViewingCopies::MakeFolder(temporary);
    std::string path = (folder / ViewingCopies::FileName(name ? name() : "")).string();
    // A design of the Open XML family is shown in a file of its own family.
    const bool openXml = m_design && m_design->family == DesignFamily::OpenXml;
    if (openXml)
        path += 'x';
    try {
        Write(path, openXml ? PowerPointConstant::ppSaveAsOpenXMLPresentation
                            : PowerPointConstant::ppSaveAsPresentation);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        throw;
    }
    return path;
}
