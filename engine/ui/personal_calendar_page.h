// The month of the personal calendar as a document, printed and saved as PDF through the
// program's page drawing.
#pragma once

#include <QStringList>

#include "engine/forecast.h"

class QTextDocument;

namespace tessaro {

// The title with the subject's name and the month, the lines above the grid as the window shows
// them, the grid Monday first with each day's number in its colour, and the legend.
void fillMonthDocument(QTextDocument& document, const PersonalForecast& forecast, const QString& name,
                       const CivilDate& month, const QStringList& headerLines);

}  // namespace tessaro
