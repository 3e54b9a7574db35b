#include "ui/main/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/language.h"

namespace pw {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8(Tr("Plattenwerk – Anleitung", "Plattenwerk – Manual")));
    browser_->setOpenExternalLinks(true);
    auto* back = new QPushButton(QString::fromUtf8(Tr("&Zurück", "&Back")), this);
    auto* home = new QPushButton(QString::fromUtf8(Tr("&Inhalt", "&Contents")), this);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(home);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    resize(820, 640);
}

bool HelpWindow::Open(const QString& indexPath) {
    if (!QFileInfo::exists(indexPath)) return false;
    browser_->setSource(QUrl::fromLocalFile(indexPath));
    return true;
}

QString HelpWindow::ManualIndex(const QString& dataDirectory) {
    return dataDirectory +
           (IsEnglish() ? QStringLiteral("manual/en/index.html") : QStringLiteral("manual/de/index.html"));
}

}  // namespace pw
