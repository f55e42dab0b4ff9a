// Where the RTF reader puts what it reads: text in runs of one format. The in-memory
// document and the editor widget are the two receivers.
#pragma once

#include "richtext/charformat.h"

#include <QStringView>

class RtfSink {
public:
    virtual ~RtfSink() = default;
    // Text with CR LF line breaks. A size of 0 means the text carries no size of its own.
    virtual void appendText(QStringView text, const CharFormat &format) = 0;
};
