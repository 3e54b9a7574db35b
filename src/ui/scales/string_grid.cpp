#include "ui/scales/string_grid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace pw {

StringGrid::StringGrid(int firstColumnWidth, int secondColumnWidth, QWidget* parent) : QTableWidget(parent) {
    setColumnCount(2);
    setColumnWidth(0, firstColumnWidth);
    setColumnWidth(1, secondColumnWidth);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
}

void StringGrid::FitWidth(int minimumWidth, int height) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int columns = columnWidth(0) + columnWidth(1);
    setFixedSize(std::max(minimumWidth, columns + 2 * frameWidth() + verticalScrollBar()->sizeHint().width()),
                 height);
}

void StringGrid::SetHeader(const QString& first, const QString& second) {
    setHorizontalHeaderLabels({first, second});
}

void StringGrid::SetRows(const QStringList& names, const QStringList& values) {
    setRowCount(static_cast<int>(names.size()));
    for (int r = 0; r < names.size(); ++r) {
        auto* name = new QTableWidgetItem(names[r]);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        name->setBackground(palette().button());
        setItem(r, 0, name);
        auto* value = new QTableWidgetItem(r < values.size() ? values[r] : QString());
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        setItem(r, 1, value);
    }
}

void StringGrid::SetValue(int row, const QString& value) {
    if (QTableWidgetItem* i = item(row, 1)) i->setText(value);
}

void StringGrid::SetValueEditable(int row, bool editable) {
    QTableWidgetItem* i = item(row, 1);
    if (!i) return;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    i->setFlags(editable ? base | Qt::ItemIsEditable : base);
}

QString StringGrid::Value(int row) const {
    const QTableWidgetItem* i = item(row, 1);
    return i ? i->text() : QString();
}

void StringGrid::CommitOpenEditor() {
    if (!Editing()) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

}  // namespace pw
