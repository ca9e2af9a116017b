#include "goodbye_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "qt_platform.h"
#include "shell_widgets.h"

namespace varodex::ui {

namespace {

// The texts sit on a light plate of their own so they read well on any picture.
const char* plate_style =
    "QLabel { color: #1A237E; background-color: rgba(255, 255, 255, 190); border-radius: 10px; }";

}  // namespace

GoodbyeWindow::GoodbyeWindow(std::shared_ptr<GoodbyePresenter> presenter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), presenter_(std::move(presenter)) {
    setObjectName(QStringLiteral("Good_bye_form"));
    const GoodbyeScreen& screen = presenter_->screen();
    setWindowTitle(qs(screen.window_caption));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    setFixedSize(client_width, client_height);

    auto* goodbye = new QLabel(qs(screen.goodbye_label.caption), this);
    goodbye->setObjectName(QStringLiteral("goodbye_label"));
    goodbye->setFont(design_font(QStringLiteral("Comic Sans MS"), 20, true));
    goodbye->setAlignment(Qt::AlignCenter);
    goodbye->setStyleSheet(QLatin1String(plate_style));
    goodbye->setGeometry(30, 36, 360, 56);

    auto* enjoy = new QLabel(qs(screen.enjoy_label.caption), this);
    enjoy->setObjectName(QStringLiteral("enjoy_label"));
    enjoy->setFont(design_font(QStringLiteral("Comic Sans MS"), 14));
    enjoy->setAlignment(Qt::AlignCenter);
    enjoy->setStyleSheet(QLatin1String(plate_style));
    enjoy->setGeometry(60, 110, 300, 40);

    auto* exit_button = new QPushButton(qs(screen.CONTINUE_COMMAND.caption), this);
    exit_button->setObjectName(QStringLiteral("CONTINUE_COMMAND"));
    exit_button->setFont(design_font(QStringLiteral("Arial"), 11, true));
    exit_button->setGeometry(160, 186, 100, 34);
    exit_button->setDefault(true);
    exit_button->setCursor(hand_pointer());
    connect(exit_button, &QPushButton::clicked, this,
            [this] { presenter_->CONTINUE_COMMAND_click(); });

    center_on_screen(*this);
}

void GoodbyeWindow::closeEvent(QCloseEvent* event) {
    presenter_->window_closing();
    event->accept();
}

void GoodbyeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture(painter, rect(), QStringLiteral(":/images/Good_bye_form.svg"),
                  QColor(0x81, 0xD4, 0xFA), QColor(0xFF, 0xF5, 0x9D));
}

}  // namespace varodex::ui
