// The tables of the letters of the name.
#include "engine/texts/name_letters_texts.h"

namespace tessaro {
namespace {

constexpr TableRow InitialsNumberRows[] = {
    {1, "Direction."},
    {2, "Association."},
    {3, "Expression."},
    {4, "Organisation."},
    {5, "Mouvement, changement."},
    {6, "Harmonie, amour."},
    {7,
     "Vie int\xE9rieure, r\xE9"
     "flexion."},
    {8, "Accomplissements mat\xE9riels."},
    {9,
     "Id\xE9"
     "al, grandeur."},
    {11, "Inspiration, ma\xEEtrise."},
    {22, "Constructions ambitieuses."},
};

constexpr TableRow LetterRows[] = {
    {1,
     "(lettre c\xE9r\xE9"
     "brale) Autorit\xE9, direction."},
    {2, "(lettre \xE9motive) Sentimentalit\xE9 r\xE9serve."},
    {3, "(lettre intuitive) Extraversion, expression."},
    {4, "(lettre physique) Efficacit\xE9, d\xE9veloppement."},
    {5, "(lettre physique) Activit\xE9, mobilit\xE9."},
    {6, "(lettre intuitive) Responsabilit\xE9, adaptation."},
    {7,
     "(lettre c\xE9r\xE9"
     "brale) Isolement, secret."},
    {8,
     "(lettre c\xE9r\xE9"
     "brale) Ambition, irr\xE9gularit\xE9."},
    {9, "(lettre \xE9motive) Tension, \xE9motivit\xE9."},
    {10,
     "(lettre c\xE9r\xE9"
     "brale) Intelligence, cr\xE9"
     "ation."},
    {11, "(lettre intuitive) Inspiration, nervosit\xE9."},
    {12,
     "(lettre c\xE9r\xE9"
     "brale) Analyse, invention."},
    {13, "(lettre physique) Travail, construction."},
    {14,
     "(lettre c\xE9r\xE9"
     "brale) Energie, mouvement."},
    {15,
     "(lettre \xE9motive) Emotions cach\xE9"
     "es, sentimentalit\xE9."},
    {16,
     "(lettre c\xE9r\xE9"
     "brale) Discr\xE9tion, solitude."},
    {17, "(lettre intuitive) Instabilit\xE9, force."},
    {18, "(lettre \xE9motive) Emotivit\xE9, tension."},
    {19, "(lettre \xE9motive) Nervosit\xE9, oppression."},
    {20, "(lettre \xE9motive) Spiritualit\xE9, \xE9l\xE9vation."},
    {21, "(lettre intuitive) Restriction, tension."},
    {22, "(lettre intuitive) Evasion, stabilit\xE9."},
    {23, "(lettre physique) Inconstance, hauts et bas."},
    {24, "(lettre \xE9motive) Troubles nerveux et affectifs."},
    {25, "(lettre intuitive) Incertitude, intuition."},
    {26, "(lettre \xE9motive) Doute, mat\xE9rialit\xE9."},
};

constexpr TableRow FirstVowelRows[] = {
    {1,
     "A: C\xE9r\xE9"
     "bral, commandement, franchise."},
    {2, "E: Activit\xE9, mouvement."},
    {3, "I: Emotivit\xE9 et grande sensibilit\xE9."},
    {4, "O: Force int\xE9rieure, discr\xE9tion des sentiments, secret."},
    {5, "U: Intuition, tension morale."},
    {6, "Y: Un certain myst\xE8re, intuition."},
};

}  // namespace

const std::span<const TableRow> InitialsNumberTexts = InitialsNumberRows;
const std::span<const TableRow> LetterTexts = LetterRows;
const std::span<const TableRow> FirstVowelTexts = FirstVowelRows;

}  // namespace tessaro
