#include "view_test_support.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/language.h"
#include "core/registry.h"
#include "elements/rechteck.h"
#include "panel/register_elements.h"
#include "ui/dialogs/element_dialogs.h"

namespace pw::test {

void ViewTest::SetUp() {
    RegisterBuiltinElementClasses();
    SetLanguage(Language::German);
    auto p = std::make_unique<TPlatine>();
    p->Width = p->Height = 10000;
    p->SnapSpacing = 50;
    p->UndoStream = &undo;
    view = std::make_unique<PanelView>(std::move(p));
    view->resize(860, 660);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    panel().SetZoom(10);
    view->SyncScrollBars();
    Settle();
    ASSERT_GE(panel().ViewWidth, 800);
    ASSERT_GE(panel().ViewHeight, 600);
    ASSERT_EQ(panel().ScrollX, 0);
    ASSERT_EQ(panel().ScrollY, 0);
}

void ViewTest::TearDown() {
    view.reset();
    RemoveElementDialogs();
    SetBeepHandler(nullptr);
}

void ViewTest::Press(int x, int y, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    held_ |= b;
    QTest::mousePress(area(), b, m, QPoint(x, y));
}

void ViewTest::Release(int x, int y, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    held_ &= ~Qt::MouseButtons(b);
    QTest::mouseRelease(area(), b, m, QPoint(x, y));
}

void ViewTest::Click(int x, int y, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    Press(x, y, b, m);
    Release(x, y, b, m);
}

void ViewTest::Move(int x, int y, Qt::KeyboardModifiers m) {
    const QPoint pos(x, y);
    QMouseEvent e(QEvent::MouseMove, pos, area()->mapToGlobal(pos), Qt::NoButton, held_, m);
    QApplication::sendEvent(area(), &e);
}

void ViewTest::Mode(TEditMode mode) {
    panel().SetEditMode(mode);
    Settle();
}

void ViewTest::Settle() {
    QApplication::processEvents();
    view->Flush();
}

TBauteil* ViewTest::AddRect(Real x1, Real y1, Real x2, Real y2, Real pen) {
    auto r = std::make_unique<TRechteck>();
    r->AddPoint({x1, y1});
    r->AddPoint({x2, y1});
    r->AddPoint({x2, y2});
    r->AddPoint({x1, y2});
    r->SetStiftBreite(pen);
    r->SetFuellenFlag(true);
    TBauteil* added = panel().AddElement(std::move(r));
    view->RepaintPanel();
    return added;
}

std::shared_ptr<int> AnswerNextDialog(std::function<void(QDialog&)> answer) {
    auto answered = std::make_shared<int>(0);
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, answered, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible() && !dialog->property("answered").toBool()) {
            dialog->setProperty("answered", true);
            timer->stop();
            timer->deleteLater();
            ++*answered;
            answer(*dialog);
            return;
        }
        // No dialog within two seconds: the test sees the counter unchanged.
        if (++*tries > 400) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return answered;
}

void TypeInto(QDialog& dialog, const char* fieldName, const QString& text) {
    auto* field = dialog.findChild<QWidget*>(QString::fromLatin1(fieldName));
    ASSERT_TRUE(field) << fieldName;
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (!edit)
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) edit = spin->findChild<QLineEdit*>();
    ASSERT_TRUE(edit) << fieldName;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void ClickButton(QDialog& dialog, const char* buttonName) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(buttonName));
    ASSERT_TRUE(button) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace pw::test
