// SPDX-License-Identifier: MIT
#include "SummaryStreams.h"

#include "GsfHandle.h"

#include <gsf/gsf-doc-meta-data.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-meta-names.h>
#include <gsf/gsf-msole-utils.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-timestamp.h>
#include <stdexcept>

namespace {

constexpr const char* kSummaryName = "\005SummaryInformation";
constexpr const char* kDocumentSummaryName = "\005DocumentSummaryInformation";

// The bag takes over the name and the value.
void Insert(GsfDocMetaData* meta, const char* name, GValue* value)
{
    gsf_doc_meta_data_insert(meta, g_strdup(name), value);
}

void InsertText(GsfDocMetaData* meta, const char* name, const std::string& text)
{
    GValue* value = g_new0(GValue, 1);
    g_value_init(value, G_TYPE_STRING);
    g_value_set_string(value, text.c_str());
    Insert(meta, name, value);
}

void InsertInt(GsfDocMetaData* meta, const char* name, int number)
{
    GValue* value = g_new0(GValue, 1);
    g_value_init(value, G_TYPE_INT);
    g_value_set_int(value, number);
    Insert(meta, name, value);
}

void InsertTime(GsfDocMetaData* meta, const char* name, std::int64_t seconds)
{
    GsfTimestamp* stamp = gsf_timestamp_new();
    gsf_timestamp_set_time(stamp, static_cast<guint64>(seconds));
    GValue* value = g_new0(GValue, 1);
    g_value_init(value, GSF_TIMESTAMP_TYPE);
    gsf_timestamp_to_value(stamp, value);
    gsf_timestamp_free(stamp);
    Insert(meta, name, value);
}

void WriteSet(GsfOutfile* file, const char* name, GsfDocMetaData* meta, bool documentSet)
{
    GsfHandle<GsfOutput> child(gsf_outfile_new_child(file, name, FALSE));
    const bool written = child &&
                         gsf_doc_meta_data_write_to_msole(meta, child.get(), documentSet) &&
                         gsf_output_close(child.get());
    if (!written)
        throw std::runtime_error("cannot write the document properties");
}

const GValue* Find(GsfDocMetaData* meta, const char* name)
{
    GsfDocProp* prop = gsf_doc_meta_data_lookup(meta, name);
    return prop ? gsf_doc_prop_get_val(prop) : nullptr;
}

std::string TextOf(GsfDocMetaData* meta, const char* name)
{
    const GValue* value = Find(meta, name);
    return value && G_VALUE_HOLDS_STRING(value) && g_value_get_string(value)
               ? g_value_get_string(value)
               : std::string();
}

std::int64_t TimeOf(GsfDocMetaData* meta, const char* name)
{
    const GValue* value = Find(meta, name);
    if (!value || !VAL_IS_GSF_TIMESTAMP(value))
        return 0;
    const auto* stamp = static_cast<const GsfTimestamp*>(g_value_get_boxed(value));
    return stamp ? stamp->timet : 0;
}

bool ReadSet(GsfInfile* file, const char* name, GsfDocMetaData* meta)
{
    GsfHandle<GsfInput> stream(gsf_infile_child_by_name(file, name));
    if (!stream)
        return false;
    GErrorHandle error(gsf_doc_meta_data_read_from_msole(meta, stream.get()));
    return !error;
}

} // namespace

void SummaryStreams::Write(GsfOutfile* file, const DocumentSummary& summary)
{
    GsfHandle<GsfDocMetaData> meta(gsf_doc_meta_data_new());
    InsertText(meta.get(), GSF_META_NAME_TITLE, summary.title);
    InsertText(meta.get(), GSF_META_NAME_CREATOR, summary.author);
    InsertText(meta.get(), GSF_META_NAME_LAST_SAVED_BY, summary.author);
    InsertText(meta.get(), GSF_META_NAME_GENERATOR, summary.application);
    InsertTime(meta.get(), GSF_META_NAME_DATE_CREATED, summary.created);
    InsertTime(meta.get(), GSF_META_NAME_DATE_MODIFIED, summary.saved);
    InsertInt(meta.get(), GSF_META_NAME_SLIDE_COUNT, summary.slideCount);
    // Each stream takes the properties that belong to it from the one bag.
    WriteSet(file, kSummaryName, meta.get(), false);
    WriteSet(file, kDocumentSummaryName, meta.get(), true);
}

std::optional<DocumentSummary> SummaryStreams::Read(GsfInfile* file)
{
    GsfHandle<GsfDocMetaData> meta(gsf_doc_meta_data_new());
    const bool summary = ReadSet(file, kSummaryName, meta.get());
    const bool document = ReadSet(file, kDocumentSummaryName, meta.get());
    if (!summary && !document)
        return std::nullopt;
    DocumentSummary out;
    out.title = TextOf(meta.get(), GSF_META_NAME_TITLE);
    out.author = TextOf(meta.get(), GSF_META_NAME_CREATOR);
    out.application = TextOf(meta.get(), GSF_META_NAME_GENERATOR);
    out.created = TimeOf(meta.get(), GSF_META_NAME_DATE_CREATED);
    out.saved = TimeOf(meta.get(), GSF_META_NAME_DATE_MODIFIED);
    if (const GValue* count = Find(meta.get(), GSF_META_NAME_SLIDE_COUNT);
        count && G_VALUE_HOLDS_INT(count))
        out.slideCount = g_value_get_int(count);
    return out;
}
