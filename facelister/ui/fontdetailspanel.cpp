// The frame "Font details": see fontdetailspanel.h.
#include "ui/fontdetailspanel.h"

#include "logic/fontdetails.h"
#include "ui/waterfallview.h"
#include "widgets/controls/named.h"

#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

FontDetailsPanel::FontDetailsPanel(const FontDetailsSource &source, QWidget *parent)
    : QGroupBox(tr("Font details"), parent), m_source(source)
{
    setObjectName(QStringLiteral("FrameDetails"));
    m_details = named(new QPlainTextEdit(this), "TextDetails");
    m_details->setReadOnly(true);
    m_details->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_details->setToolTip(tr("What the system knows about the selected font."));
    m_waterfall = named(new WaterfallView(this), "Waterfall");
    m_waterfallArea = new QScrollArea(this);
    m_waterfallArea->setWidget(m_waterfall);
    m_waterfallArea->setBackgroundRole(QPalette::Base);
    m_waterfallArea->setToolTip(tr("The sample in the selected font, from 8 to 72 points."));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_details, 2);
    layout->addWidget(m_waterfallArea, 3);
    setMinimumWidth(fontMetrics().averageCharWidth() * 36);
}

void FontDetailsPanel::showFont(const QString &entry, const QString &sample)
{
    if (entry.isEmpty()) {
        m_details->clear();
        m_waterfall->showSample(QString(), sample);
        return;
    }
    const FontDetails details = m_source.details(entry);
    m_details->setPlainText(details.text());
    m_waterfall->showSample(details.isEmpty() ? entry : details.family, sample);
}
