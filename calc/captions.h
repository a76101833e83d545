#pragma once

#include <array>
#include <string_view>

namespace calc {

// The texts the language buttons switch, in UTF-8. Label1..Label13 are the
// column heads and row captions of the result table.
struct CaptionSet {
  std::string_view Title;
  std::string_view Label14;  // the line about units
  std::array<std::string_view, 13> TableLabels;  // Label1 .. Label13
  std::string_view Warning;  // Label17, when the aspect ratio is too small
};

inline constexpr CaptionSet kEnglishCaptions = {
    " Static stability and Center of Gravity positions for model airplanes",
    "all measure in millimeter",
    {"wing:", "tailplane:", "total:", "area by dm**2:", "mean aerodyn. chord:", "aspect ratio:",
     "lift slope:", "aerodynamic center:", "aerodynamic center by %:", "lever arm:",
     "down wash factor:", "centre of gravity by stability:", "centre of gravity by stability:"},
    "Attention: Aspect ratio to small for exactly calculation!"};

inline constexpr CaptionSet kGermanCaptions = {
    " Statische L\u00e4ngsstabilit\u00e4t und Schwerpunktlagen bei Flugmodellen",
    "alle Angaben in Millimeter",
    {"Tragfl\u00e4che:", "H\u00f6henleitwerk:", "Gesamt:", "Fl\u00e4che in dm**2:", "Bezugstiefe:",
     "Streckung:", "Auftriebsanstieg:", "Neutralpunktlage:", "Neutralpunkt in %:", "Hebelarm:",
     "Abwindfaktor:", "Schwerpunkt bei Stabilit\u00e4t:", "Schwerpunkt bei Stabilit\u00e4t:"},
    "Achtung: Streckung zu klein f\u00fcr exakte Berechnung!"};

inline const CaptionSet& Captions(bool english) { return english ? kEnglishCaptions : kGermanCaptions; }

}  // namespace calc
