#include "sign_in_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

#include "qt_platform.h"
#include "shell_widgets.h"

namespace varodex::ui {

namespace {

// Comic Sans MS where the desktop has it, else its free look-alike.
QFont design_font(double points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QCursor cursor_for(Pointer pointer) {
    switch (pointer) {
        case Pointer::hand: {
            // The picture of hand_icon_image, drawn once: every render sets the pointers.
            static const QCursor hand = hand_pointer();
            return hand;
        }
        case Pointer::no_drop:
            return Qt::ForbiddenCursor;
        case Pointer::busy:
            return Qt::WaitCursor;
        default:
            return Qt::ArrowCursor;
    }
}

QPixmap picture(const QString& resource, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

void show_control(QWidget* widget, const Control& control) {
    widget->setVisible(control.visible);
    widget->setEnabled(control.enabled);
    widget->setCursor(cursor_for(control.pointer));
}

bool is_enter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

SignInWindow::SignInWindow(std::shared_ptr<SignIn> presenter, QWidget* parent)
    : QWidget(parent), presenter_(std::move(presenter)) {
    setObjectName(QStringLiteral("name_form"));
    build();
    render();
    place_on_screen();
    player_name_textbox->setFocus();
}

SignInWindow::~SignInWindow() = default;

void SignInWindow::build() {
    setFixedSize(client_width, client_height);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC8, 0xF0, 0xFF));
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    setPalette(palette);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 18, 80, 80);
    Image1->setPixmap(picture(QStringLiteral(":/images/icon.svg"), QSize(80, 80)));

    Label1[0] = new QLabel(this);
    Label1[0]->setObjectName(QStringLiteral("Label1_0"));
    Label1[0]->setGeometry(120, 16, 340, 44);
    Label1[0]->setFont(design_font(22, true));

    Label1[1] = new QLabel(this);
    Label1[1]->setObjectName(QStringLiteral("Label1_1"));
    Label1[1]->setGeometry(120, 60, 340, 32);
    Label1[1]->setFont(design_font(15));
    QPalette purple = Label1[1]->palette();
    purple.setColor(QPalette::WindowText, QColor(0x7B, 0x2F, 0xBF));
    Label1[1]->setPalette(purple);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(24, 120, 440, 30);
    Label2->setWordWrap(true);
    Label2->setFont(design_font(10.5));

    player_name_textbox = new QLineEdit(this);
    player_name_textbox->setObjectName(QStringLiteral("player_name_textbox"));
    player_name_textbox->setGeometry(24, 162, 320, 30);
    player_name_textbox->setFont(design_font(12));

    ok_button = new QPushButton(this);
    ok_button->setObjectName(QStringLiteral("ok_button"));
    ok_button->setGeometry(360, 161, 96, 32);
    ok_button->setFont(design_font(12, true));
    ok_button->setAutoDefault(false);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(24, 210, 432, 26);
    Label3->setFont(design_font(10.5));

    player_name_list = new QListWidget(this);
    player_name_list->setObjectName(QStringLiteral("player_name_list"));
    player_name_list->setGeometry(24, 240, 320, 140);
    player_name_list->setFont(design_font(12));
    player_name_list->setSelectionMode(QAbstractItemView::SingleSelection);
    player_name_list->installEventFilter(this);

    exit_command = new QPushButton(this);
    exit_command->setObjectName(QStringLiteral("exit_command"));
    exit_command->setGeometry(360, 348, 96, 32);
    exit_command->setFont(design_font(12, true));
    exit_command->setAutoDefault(false);

    connect(player_name_textbox, &QLineEdit::textEdited, this, [this](const QString& text) {
        forward([&](SignIn& p) { p.player_name_textbox_change(text.toStdString()); });
    });
    connect(player_name_textbox, &QLineEdit::returnPressed, this,
            [this] { forward([](SignIn& p) { p.player_name_textbox_key_press(enter_key); }); });
    connect(ok_button, &QPushButton::clicked, this,
            [this] { forward([](SignIn& p) { p.ok_button_click(); }); });
    connect(exit_command, &QPushButton::clicked, this,
            [this] { forward([](SignIn& p) { p.exit_command_click(); }); });
    connect(player_name_list, &QListWidget::itemSelectionChanged, this, [this] {
        if (rendering_) return;
        const auto selected = player_name_list->selectedItems();
        const int row = selected.isEmpty() ? -1 : player_name_list->row(selected.front());
        forward([row](SignIn& p) { p.player_name_list_click(row); });
    });
    connect(player_name_list, &QListWidget::itemDoubleClicked, this,
            [this] { forward([](SignIn& p) { p.player_name_list_dbl_click(); }); });
}

void SignInWindow::place_on_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    presenter_->place_window(area.width(), area.height(), width(), height());
    const Control& form = presenter_->controls().name_form;
    move(area.left() + form.left, area.top() + form.top);
}

template <typename Handler>
void SignInWindow::forward(Handler handler) {
    // A handler can close this window, and the host may delete it at once.
    const QPointer<SignInWindow> alive(this);
    handler(*presenter_);
    if (alive) render();
}

void SignInWindow::render() {
    const SignInControls& c = presenter_->controls();
    rendering_ = true;
    setWindowTitle(qs(c.name_form.caption));
    const auto label = [](QLabel* widget, const Control& control) {
        if (widget->text() != qs(control.caption)) widget->setText(qs(control.caption));
        show_control(widget, control);
    };
    label(Label1[0], c.Label1[0]);
    label(Label1[1], c.Label1[1]);
    label(Label2, c.Label2);
    label(Label3, c.Label3);
    show_control(Image1, c.Image1);

    // The presenter only ever holds what was typed; setting it again would move the cursor.
    if (player_name_textbox->text() != qs(c.player_name_textbox.caption))
        player_name_textbox->setText(qs(c.player_name_textbox.caption));
    show_control(player_name_textbox, c.player_name_textbox);
    ok_button->setText(qs(c.ok_button.caption));
    show_control(ok_button, c.ok_button);
    exit_command->setText(qs(c.exit_command.caption));
    show_control(exit_command, c.exit_command);

    const NameListControl& list = c.player_name_list;
    if (player_name_list->count() != static_cast<int>(list.items.size())) {
        player_name_list->clear();
        for (const std::string& name : list.items) player_name_list->addItem(qs(name));
    }
    const auto selected = player_name_list->selectedItems();
    const int shown = selected.isEmpty() ? -1 : player_name_list->row(selected.front());
    if (shown != list.list_index) {
        player_name_list->clearSelection();
        if (list.list_index >= 0) player_name_list->item(list.list_index)->setSelected(true);
    }
    show_control(player_name_list, list);
    rendering_ = false;
}

void SignInWindow::closeEvent(QCloseEvent* event) {
    const QPointer<SignInWindow> alive(this);
    const bool may_close = presenter_->query_unload();
    if (!alive) return;
    if (may_close) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool SignInWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == player_name_list && event->type() == QEvent::KeyPress &&
        is_enter(static_cast<QKeyEvent*>(event))) {
        forward([](SignIn& p) { p.player_name_list_key_press(enter_key); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace varodex::ui
