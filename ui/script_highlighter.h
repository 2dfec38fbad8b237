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

    void setColouring(bool on);
    bool colouring() const { return colouring_; }
    // Text size in percent of the stored size.
    void setZoom(int percent);
    int zoom() const { return zoom_; }

protected:
    void highlightBlock(const QString& text) override;

private:
    void applyZoom();
    void applyColours(const QString& text);

    const LanguageTables& tables_;
    const Grammar& grammar_;
    bool colouring_ = false;
    int zoom_ = 100;
};

}  // namespace corvane
