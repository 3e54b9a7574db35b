#pragma once
// StringGrid: the two-column grid of the scale dialogs: a header row, a first column of names
// or numbers the user cannot change and a second column of texts, rows of fixed height. It
// can hand the text of an open cell editor to its cell on demand, so that OK takes what was
// typed even when the user did not press Enter.

#include <QTableWidget>

namespace pw {

class StringGrid : public QTableWidget {
    Q_OBJECT
  public:
    StringGrid(int firstColumnWidth, int secondColumnWidth, QWidget* parent = nullptr);

    // The grid as wide as its two columns and a vertical scroll bar (never narrower than
    // minimumWidth), so that it never scrolls sideways.
    void FitWidth(int minimumWidth, int height);
    // Fills the grid: one row per name, the header above. A value cell is editable when asked.
    void SetHeader(const QString& first, const QString& second);
    void SetRows(const QStringList& names, const QStringList& values);
    void SetValue(int row, const QString& value);
    void SetValueEditable(int row, bool editable);
    QString Value(int row) const;
    // Whether a cell editor is open.
    bool Editing() const { return state() == QAbstractItemView::EditingState; }
    // The text of an open editor goes into its cell; the editor closes.
    void CommitOpenEditor();

    static constexpr int kRowHeight = 18;
};

}  // namespace pw
