#pragma once
// Display-only looks of the script box: syntax colours (when the author asks for them) and the
// text zoom. Neither touches the document's own formats, so the specified light blue and pink
// come back unchanged when both are off.

#include <QSyntaxHighlighter>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

class ScriptHighlighter final : public QSyntaxHighlighter {
    Q_OBJECT

public:
    ScriptHighlighter(QTextDocument* document, const LanguageTables& tables, const Grammar& grammar);

    // Texts of up to this many lines are coloured whole; in a longer one (far longer than any script)
    // only the lines given to colourLines, so that colouring costs the same in a text of any size.
    static constexpr int kColouredWholeLines = 5000;

    void setColouring(bool on);
    bool colouring() const { return colouring_; }
    // The lines (0-based, both ends included) to colour in a long text, coloured now if not yet.
    void colourLines(int first, int last);
    // Text size in percent of the stored size.
    void setZoom(int percent);
    int zoom() const { return zoom_; }

protected:
    void highlightBlock(const QString& text) override;

private:
    bool coloursLine(int line) const;
    void applyZoom();
    void applyColours(const QString& text);

    const LanguageTables& tables_;
    const Grammar& grammar_;
    bool colouring_ = false;
    int firstColouredLine_ = 0;
    int lastColouredLine_ = 200;
    int zoom_ = 100;
};

}  // namespace corvane
