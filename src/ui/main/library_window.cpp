#include "ui/main/library_window.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <filesystem>

#include "core/language.h"
#include "panel/document.h"
#include "render/qt_canvas.h"
#include "ui/main/texts.h"

namespace pw {

namespace {

const QColor kListBackground(230, 230, 230);
const QColor kBorder(192, 192, 192);
const QColor kLine(128, 128, 128);

// The symbols of every page whose names hold the text, as "name — page" with the page's path.
struct Found {
    QString name;
    QString page;
    std::string path;
    int index;
};

std::vector<Found> SearchPages(const std::vector<LibraryPageEntry>& pages, const QString& text) {
    std::vector<Found> found;
    for (const LibraryPageEntry& entry : pages) {
        TBibo page;
        if (page.Load(entry.path)) continue;
        for (size_t i = 0; i < page.ElementCount(); ++i) {
            const QString name = QString::fromStdString(page.Element(i)->Description.Text());
            if (name.contains(text, Qt::CaseInsensitive))
                found.push_back({name, QString::fromStdString(entry.name), entry.path, static_cast<int>(i)});
        }
    }
    return found;
}

}  // namespace

LibraryWindow::LibraryWindow(const std::string& directory, QWidget* parent)
    : QWidget(parent),
      directory_(directory),
      combo_(new QComboBox(this)),
      search_(new QLineEdit(this)),
      results_(new QListWidget(this)),
      scroll_(new QScrollArea(this)),
      view_(new LibraryPageView(page_, scroll_)) {
    setObjectName(QStringLiteral("BauteilPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    search_->setObjectName(QStringLiteral("LibSearch"));
    search_->setPlaceholderText(Tr("Symbol suchen", "Find symbol"));
    combo_->setObjectName(QStringLiteral("LibCombo"));
    combo_->setToolTip(Hint("LibCombo"));
    combo_->setMaxVisibleItems(40);
    results_->setObjectName(QStringLiteral("LibSearchResults"));
    results_->hide();
    scroll_->setObjectName(QStringLiteral("LibScrollBox"));
    scroll_->setToolTip(Hint("LibScrollBox"));
    scroll_->setWidget(view_);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The strip is laid out for the viewport's width, which a scroll bar coming and going would
    // change under it.
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(search_);
    layout->addWidget(combo_);
    layout->addWidget(results_, 1);
    layout->addWidget(scroll_, 1);

    connect(combo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!filling_) SelectPage(i);
    });
    // The clear button comes with the first text: an empty field does not show it, and finding
    // its icon in the desktop's icon theme would cost the start several milliseconds.
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) search_->setClearButtonEnabled(true);
    });
    connect(search_, &QLineEdit::textChanged, this, &LibraryWindow::ApplySearch);
    connect(results_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int position = PositionOf(item->data(Qt::UserRole).toString().toStdString());
        const int index = item->data(Qt::UserRole + 1).toInt();
        search_->clear();
        if (position < 0) return;
        combo_->setCurrentIndex(position);
        if (index >= 0 && static_cast<size_t>(index) < page_.ElementCount())
            page_.Choose(page_.Element(index));
        Refresh();
    });
    connect(view_, &LibraryPageView::released, this, [this](Qt::MouseButton button, const QPoint& global) {
        if (page_.ElementCount() == 0) return;
        const QPoint local = view_->mapFromGlobal(global);
        if (TBauteil* s = page_.SymbolAt({local.x(), local.y()})) page_.Choose(s);
        view_->update();
        if (button == Qt::LeftButton && page_.ChosenSymbol()) emit symbolChosen();
        if (button == Qt::RightButton) emit menuRequested(global);
    });
}

LibraryWindow::~LibraryWindow() = default;

int LibraryWindow::CurrentIndex() const {
    return combo_->currentIndex();
}

int LibraryWindow::PositionOf(const std::string& path) const {
    for (size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i].path == path) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> LibraryWindow::ReadPageList(int position) {
    LibraryListing listing = ListLibraryPages(directory_);
    if (listing.pages.empty()) {
        // A library without a readable page gets a first page to add symbols to; unreadable
        // files are left as they are.
        std::error_code ec;
        std::filesystem::create_directories(directory_, ec);
        TBibo first;
        first.StartNew(NewLibraryPagePath(directory_), DefaultPageName());
        try {
            first.Save();
        } catch (const std::exception& e) {
            listing.skipped.push_back(e.what());
        }
        std::vector<std::string> skipped = std::move(listing.skipped);
        listing = ListLibraryPages(directory_);
        listing.skipped = std::move(skipped);
    }
    pages_ = std::move(listing.pages);
    filling_ = true;
    combo_->clear();
    for (const LibraryPageEntry& e : pages_) combo_->addItem(QString::fromStdString(e.name));
    filling_ = false;
    const int n = static_cast<int>(pages_.size());
    position = n == 0 ? -1 : std::clamp(position, 0, n - 1);
    filling_ = true;
    combo_->setCurrentIndex(position);
    filling_ = false;
    if (position >= 0) {
        if (std::optional<std::string> failed = page_.Load(pages_[position].path))
            emit failure(QString::fromStdString(pages_[position].path + ": " + *failed));
    } else {
        page_.Load("");
    }
    Refresh();
    return listing.skipped;
}

std::optional<std::string> LibraryWindow::SavePage() {
    try {
        page_.SaveIfModified();
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

void LibraryWindow::SelectPage(int position) {
    if (std::optional<std::string> failed = SavePage()) emit failure(QString::fromStdString(*failed));
    if (position < 0 || position >= static_cast<int>(pages_.size())) return;
    if (combo_->currentIndex() != position) {
        filling_ = true;
        combo_->setCurrentIndex(position);
        filling_ = false;
    }
    if (std::optional<std::string> failed = page_.Load(pages_[position].path))
        emit failure(QString::fromStdString(pages_[position].path + ": " + *failed));
    scroll_->verticalScrollBar()->setValue(0);
    Refresh();
}

void LibraryWindow::Refresh() {
    view_->Relayout();
    view_->update();
}

void LibraryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Refresh();
}

void LibraryWindow::ApplySearch(const QString& text) {
    results_->clear();
    const bool searching = !text.trimmed().isEmpty();
    results_->setVisible(searching);
    scroll_->setVisible(!searching);
    combo_->setEnabled(!searching);
    if (!searching) return;
    // The shown page is searched as it is now, changes included.
    if (std::optional<std::string> failed = SavePage()) emit failure(QString::fromStdString(*failed));
    for (const Found& f : SearchPages(pages_, text.trimmed())) {
        auto* item = new QListWidgetItem(f.name + QStringLiteral(" \u2014 ") + f.page, results_);
        item->setData(Qt::UserRole, QString::fromStdString(f.path));
        item->setData(Qt::UserRole + 1, f.index);
        item->setToolTip(item->text());
    }
}

LibraryPageView::LibraryPageView(TBibo& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("LibraryPage"));
}

void LibraryPageView::Relayout() {
    QWidget* area = parentWidget();
    const int width = area ? area->width() : 165;
    int32_t height = page_.Layout(width);
    resize(width, std::max<int>(height, area ? area->height() : 0));
    // The width may change with the scroll bar; the layout follows it once more.
    if (area && area->width() != width) {
        height = page_.Layout(area->width());
        resize(area->width(), std::max<int>(height, area->height()));
    }
}

void LibraryPageView::paintEvent(QPaintEvent* event) {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(kListBackground);
    {
        QPainter p(&image);
        p.setPen(kBorder);
        p.drawRect(0, 0, width() - 1, height() - 1);
        QtCanvas canvas(p, QtCanvas::DeviceKind::Raster, {0, 0, width(), height()}, 96);
        const QRect dirty = event->rect();
        for (const TBibo::Slot& s : page_.Slots()) {
            const QRect slot(s.slot.x1, s.slot.y1, s.slot.x2 - s.slot.x1, s.slot.y2 - s.slot.y1);
            if (!slot.intersects(dirty)) continue;
            page_.PrepareSymbolCanvas(canvas, s, {0, 0});
            const bool selected = s.symbol->GetSelected();
            // The page shows symbols as they are, not with selection marks.
            if (selected) s.symbol->SetSelected(false);
            s.symbol->Paint(canvas);
            if (selected) s.symbol->SetSelected(true);
            const int line = s.picture.y2 + 20;
            p.setPen(kLine);
            p.drawLine(0, line, width(), line);
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(14);
            p.setFont(font);
            p.setPen(s.symbol == page_.ChosenSymbol() ? QColor(0, 0, 255) : QColor(0, 0, 0));
            // A name wider than the area ends in an ellipsis; the tool tip of the search list
            // and the symbol dialog show it whole.
            const QString name = p.fontMetrics().elidedText(
                QString::fromStdString(s.symbol->Description.Text()), Qt::ElideRight, width() - 6);
            p.drawText(QRect(0, line - 18, width(), 17), Qt::AlignHCenter | Qt::AlignBottom, name);
        }
    }
    QPainter screen(this);
    screen.drawImage(0, 0, image);
}

void LibraryPageView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->globalPosition().toPoint());
}

}  // namespace pw
