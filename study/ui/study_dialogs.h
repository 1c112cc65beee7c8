// The dialogs the study window shows, and the first-names dictionary its portrait reads.
#pragma once

namespace tessaro {

class FirstNameDictionary;
class TAnnee;
class TChance;
class TChemin;
class TDeux;
class TEntente;
class TGraphique;
class TInter;
class TLnom;
class TNouveau;
class TPrenoms;
class TUnique;
class TVie;
class TVPrenom;

struct StudyDialogs {
  TNouveau& nouveau;
  TInter& inter;
  TGraphique& graphique;
  TLnom& lnom;
  TChemin& chemin;
  TUnique& unique;
  TAnnee& annee;
  TChance& chance;
  TVie& vie;
  TDeux& deux;
  TEntente& entente;
  TPrenoms& prenoms;  // the browser: a study's first name is selected there
  TVPrenom& vPrenom;
  FirstNameDictionary& firstNames;
};

}  // namespace tessaro
