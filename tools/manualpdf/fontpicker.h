#ifndef FONTPICKER_H
#define FONTPICKER_H

#include <QString>

// The font families a manual is set in.
struct FontSetup {
    QString body;
    QString mono;
    QString cjk; // empty when the text needs no CJK font
};

// Picks the fonts for a text. When the text contains CJK characters a CJK font is required: the
// one named by 'cjkRequest' (a family or a font file), or else the first installed of a list of
// packaged Simplified Chinese fonts. 'cjkBody' sets the whole text in the CJK font (for a Chinese
// manual); otherwise the CJK font only stands in for the characters the body font lacks.
// Fails, with a message in 'error', when some character of the text has no font that draws it.
bool chooseFonts(const QString& text, bool cjkBody, const QString& cjkRequest, FontSetup* setup, QString* error);

#endif // FONTPICKER_H
