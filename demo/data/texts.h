// Every text of the slide show, as Windows-1252 bytes (the code page of the
// demo's fonts). "\x1c" is the bullet glyph of the body font; "\n" breaks a
// text-box line.
#pragma once

#include "VRCp1252.hpp"

namespace demoria::texts {

using vr::cp1252;

inline constexpr auto kTitleFeatures = cp1252(u8"Vantrel Grafikbibliothek\nFeatures");
inline constexpr auto kTitleStructure = cp1252(u8"Vantrel Grafikbibliothek\nAufbau");
inline constexpr auto kTitleGraphics = cp1252(u8"Vantrel Grafikbibliothek\n2-D-Grafikelemente");
inline constexpr auto kTitleBitmaps = cp1252(u8"Vantrel Grafikbibliothek\nBitmaps");
inline constexpr auto kTitleTexts = cp1252(u8"Vantrel Grafikbibliothek\nTexte");
inline constexpr auto kTitleUi = cp1252(u8"Vantrel Grafikbibliothek\nUI-Standard-Elemente");
inline constexpr auto kTitleDrivers = cp1252(u8"Vantrel Grafikbibliothek\nTreiberunterstuetzung");
inline constexpr auto kTitleProjects = cp1252(u8"Vantrel Grafikbibliothek\nBisherige Projekte");

// Each line indented by two blanks more than the one before.
inline constexpr auto kFeatureList = cp1252(
    u8"\x1c Implementierung in ANSI-C\n"
    u8"  \x1c Geringe Codegröße\n"
    u8"    \x1c Hohe Performance\n"
    u8"      \x1c Einfache API\n"
    u8"        \x1c Schnell einsatzbereit\n"
    u8"          \x1c Plattformunabhängig\n"
    u8"            \x1c Großer Funktionsumfang");

inline constexpr auto kShapeList = cp1252(u8"    \x1c Rechtecke\n  \x1c Kreise\n\x1c Linien");

inline constexpr auto kBitmapList = cp1252(
    u8"\x1c Darstellung von Bitmaps; Die Bitmaps werden durch einen Konverter in ein Area "
    u8"konvertiert und als .c- und .h-Datei ausgegeben.\n"
    u8"\x1c Darstellung von GIMP-Bilddateien");

inline constexpr auto kFontTool = cp1252(
    u8"Zur Erzeugung von Fonts gibt es ein Konvertierungstool, mit welchem sich jeder beliebige "
    u8"Windowsfonts auf dem Embedded System verwenden läßt.");
inline constexpr auto kSample = cp1252(u8"Dieser");
inline constexpr auto kOr = cp1252(u8"oder");

// Ends in a blank.
inline constexpr auto kUiElements =
    cp1252(u8"\x1c Darstellung von komplexeren UI-Elementen, wie Textboxen und Progressbars ");
// Five blanks between the words.
inline constexpr auto kAlignments = cp1252(u8"LINKS     ZENTRIERT     RECHTS");

inline constexpr auto kDriverList = cp1252(
    u8" Für Vantrel verfügbare Treiber:\n\n"
    u8"\x1c HX5051\n"
    u8"\x1c S6B1713\n"
    u8"\x1c S6E63D6\n"
    u8"\x1c SSD0323\n"
    u8"\x1c SSD1325\n"
    u8"\x1c SSD1339\n"
    u8"\x1c ST7565R\n"
    u8"\x1c Framebuffered Devices\n"
    u8"\x1c Memory Mapped Devices");

inline constexpr auto kProject1 = cp1252(u8"\x1c Steuerung für ein\nIntraoralröntgengerät");
inline constexpr auto kProject2 = cp1252(u8"\x1c Röntgenstrahlersteuerung");
inline constexpr auto kProject3 = cp1252(u8"\x1c Displaywand (Vernetzung\nverschiedener Embedded\nSysteme)");

}  // namespace demoria::texts
