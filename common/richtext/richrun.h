// A stretch of text that shares one format: the unit in which rich text moves between the
// document, the RTF writer and reader, and the editor widget.
#pragma once

#include "richtext/charformat.h"

#include <QList>
#include <QString>

struct RichRun {
    QString text; // line breaks as CR LF
    CharFormat format;

    friend bool operator==(const RichRun &, const RichRun &) = default;
};

using RichRuns = QList<RichRun>;
