// SPDX-License-Identifier: MIT
#pragma once

#include "DesignDescription.h"

class CRecordWriter;

// The document's text environment: the font table and the defaults that text
// falls back to when neither the text nor its master style says otherwise.
class CEnvironmentRecords
{
public:
    explicit CEnvironmentRecords(const DesignDescription& design = {});

    void Write(CRecordWriter& writer) const;

private:
    void WriteFontCollection(CRecordWriter& writer) const;
    void WriteTextDefaults(CRecordWriter& writer) const;

    DesignDescription m_design;
};
