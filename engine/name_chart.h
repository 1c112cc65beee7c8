// The complete chart of the name: the five name numbers and their readings.
#pragma once

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// What the "Graphique complet du nom" dialog shows; reading is its memo text before the empty
// lines go: the five readings separated by CR LF, the expression reading on four lines.
struct NameChartResult {
  NumberText intimate;
  NumberText expression;
  NumberText realisation;
  NumberText active;
  NumberText hereditary;
  Text reading;
};

// Throws ConversionError "'' n'est pas une valeur entière correcte" for the first number, in the
// order above, whose coding found no character of value.
NameChartResult computeNameChart(const StudySubject& subject);

}  // namespace tessaro
