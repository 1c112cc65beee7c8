// The tables of the letters of the name.
#include "engine/texts/name_letters_texts.h"

#include "common/cp1252_literal.h"

namespace tessaro {
namespace {

constexpr TableRow InitialsNumberRows[] = {
    {1, "Direction."_cp1252},
    {2, "Association."_cp1252},
    {3, "Expression."_cp1252},
    {4, "Organisation."_cp1252},
    {5, "Mouvement, changement."_cp1252},
    {6, "Harmonie, amour."_cp1252},
    {7, "Vie intérieure, réflexion."_cp1252},
    {8, "Accomplissements matériels."_cp1252},
    {9, "Idéal, grandeur."_cp1252},
    {11, "Inspiration, maîtrise."_cp1252},
    {22, "Constructions ambitieuses."_cp1252},
};

constexpr TableRow LetterRows[] = {
    {1, "(lettre cérébrale) Autorité, direction."_cp1252},
    // No comma in "Sentimentalité réserve": kept on purpose.
    {2, "(lettre émotive) Sentimentalité réserve."_cp1252},
    {3, "(lettre intuitive) Extraversion, expression."_cp1252},
    {4, "(lettre physique) Efficacité, développement."_cp1252},
    {5, "(lettre physique) Activité, mobilité."_cp1252},
    {6, "(lettre intuitive) Responsabilité, adaptation."_cp1252},
    {7, "(lettre cérébrale) Isolement, secret."_cp1252},
    {8, "(lettre cérébrale) Ambition, irrégularité."_cp1252},
    {9, "(lettre émotive) Tension, émotivité."_cp1252},
    {10, "(lettre cérébrale) Intelligence, création."_cp1252},
    {11, "(lettre intuitive) Inspiration, nervosité."_cp1252},
    {12, "(lettre cérébrale) Analyse, invention."_cp1252},
    {13, "(lettre physique) Travail, construction."_cp1252},
    {14, "(lettre cérébrale) Energie, mouvement."_cp1252},
    {15, "(lettre émotive) Emotions cachées, sentimentalité."_cp1252},
    {16, "(lettre cérébrale) Discrétion, solitude."_cp1252},
    {17, "(lettre intuitive) Instabilité, force."_cp1252},
    {18, "(lettre émotive) Emotivité, tension."_cp1252},
    {19, "(lettre émotive) Nervosité, oppression."_cp1252},
    {20, "(lettre émotive) Spiritualité, élévation."_cp1252},
    {21, "(lettre intuitive) Restriction, tension."_cp1252},
    {22, "(lettre intuitive) Evasion, stabilité."_cp1252},
    {23, "(lettre physique) Inconstance, hauts et bas."_cp1252},
    {24, "(lettre émotive) Troubles nerveux et affectifs."_cp1252},
    {25, "(lettre intuitive) Incertitude, intuition."_cp1252},
    {26, "(lettre émotive) Doute, matérialité."_cp1252},
};

constexpr TableRow FirstVowelRows[] = {
    {1, "A: Cérébral, commandement, franchise."_cp1252},
    {2, "E: Activité, mouvement."_cp1252},
    {3, "I: Emotivité et grande sensibilité."_cp1252},
    {4, "O: Force intérieure, discrétion des sentiments, secret."_cp1252},
    {5, "U: Intuition, tension morale."_cp1252},
    {6, "Y: Un certain mystère, intuition."_cp1252},
};

}  // namespace

const std::span<const TableRow> InitialsNumberTexts = InitialsNumberRows;
const std::span<const TableRow> LetterTexts = LetterRows;
const std::span<const TableRow> FirstVowelTexts = FirstVowelRows;

}  // namespace tessaro
