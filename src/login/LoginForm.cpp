#include "login/LoginForm.h"

#include "app/Application.h"
#include "core/Exception.h"
#include "core/TextRules.h"
#include "dialogs/DialogService.h"
#include "login/SignInRequest.h"
#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"
#include "settings/DataModuleConfig.h"
#include "settings/NivoRC4.h"
#include "widgets/BusyIndicator.h"
#include "widgets/SvgImage.h"

#include "ui_LoginForm.h"

#include <QApplication>
#include <QFile>
#include <QFutureWatcher>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QtConcurrent>

using namespace Qt::StringLiterals;
using namespace nivo;

namespace {

constexpr int CollapsedHeight = 34;
constexpr int ExpandedHeight = 138;
constexpr int PanelAnimationMs = 200;

// The one key under which the remembered user name and password are stored.
const QString CipherKey = u"Kq7!mZ#p3Lw&Xv9*Rb2%Hn5^Jd8+"_s;

const QString ServiceNotConfiguredText =
    u"Serviço não configurado. Acesse a opção Configurar serviço no topo da tela e configure o Ip e a porta de "
    u"acesso ao serviço do Orvel do NIVO."_s;
const QString CredentialsMissingText = u"Informe o usuário e a senha para efetuar a autenticação"_s;
const QString RefusedTextPrefix = u"Falha na autenticação. Mensagem: "_s;
const QString SignInFailedText = u"Falha na autenticação. Acesso não autorizado."_s;
const QString CloseQuestionText = u"Deseja realmente fechar o aplicativo?"_s;

QString loginStyleSheet()
{
    QFile file(u":/styles/orvel.qss"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The user and lock pictures sit inside their fields, at the left; the text stays centred.
void addLeadingIcon(QLineEdit *edit, const QString &name, const QString &source)
{
    constexpr int margin = 7;
    constexpr int width = 24;
    auto *icon = new SvgImage(edit);
    icon->setObjectName(name);
    icon->setSource(source);
    icon->setOpacity(0.75);
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    icon->setGeometry(margin, margin, width, edit->maximumHeight() - margin);
    edit->setTextMargins(2 * margin + width, 0, 2 * margin + width, 0);
}

// A stored value that is not a stored form leaves its field empty; the first such error is kept to
// be shown once the screen is restored.
QString deciphered(const QString &stored, std::exception_ptr &firstError)
{
    try {
        return TNivoRC4::Decrypt(CipherKey, stored);
    } catch (const EConvertError &) {
        if (!firstError)
            firstError = std::current_exception();
        return {};
    }
}

void showMessage(const QString &text, TMsgDlgType type)
{
    TDialogService::MessageDialog(text, type, {mbOK}, mbOK, 0);
}

} // namespace

TfrmLogin::TfrmLogin(TDataModuleConfig &config, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TfrmLogin>())
    , m_config(config)
{
    setObjectName(u"frmLogin"_s);
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(loginStyleSheet());

    addLeadingIcon(ui->UsernameEdit, u"UserImage"_s, u":/icons/user.svg"_s);
    addLeadingIcon(ui->PasswordEdit, u"LockImage"_s, u":/icons/lock.svg"_s);

    AniIndicator2 = new BusyIndicator(QSize(74, 61), this);
    AniIndicator2->setObjectName(u"AniIndicator2"_s);

    HostLayoutFloatAnimation = new QPropertyAnimation(ui->ConfigHostLayout, "panelHeight", this);
    HostLayoutFloatAnimation->setObjectName(u"HostLayoutFloatAnimation"_s);
    HostLayoutFloatAnimation->setDuration(PanelAnimationMs);
    HostLayoutFloatAnimation->setEasingCurve(QEasingCurve::InQuad);

    connect(ui->DownImage, &SvgImage::clicked, this, &TfrmLogin::DownImageClick);
    connect(ui->UpImage, &SvgImage::clicked, this, &TfrmLogin::UpImageClick);
    connect(ui->LoginRectBTN, &QPushButton::clicked, this, &TfrmLogin::LoginRectBTNClick);
    // The form sees every key before the control that has the focus, and the fields' exits.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isAncestorOf(now))
            FormFocusChanged();
    });
    QInputMethod *inputMethod = QGuiApplication::inputMethod();
    connect(inputMethod, &QInputMethod::visibleChanged, this, &TfrmLogin::InputPanelChanged);
    connect(inputMethod, &QInputMethod::keyboardRectangleChanged, this, &TfrmLogin::InputPanelChanged);
}

TfrmLogin::~TfrmLogin() = default;

void TfrmLogin::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Coming back from minimised is not a new show.
    if (!event->spontaneous())
        FormShow();
}

void TfrmLogin::FormShow()
{
    HideAniIndicator();

    HostLayoutFloatAnimation->stop();
    ui->DownImage->show();
    ui->UpImage->hide();
    ui->ConfigHostLayout->setPanelHeight(CollapsedHeight);
    SetServiceFieldsReachable(false);

    try {
        TCachedQuery &address = m_config.qryAPI_ACCESS_CONFIG;
        address.Close();
        address.Open();
        ui->HostEdit->setText(address.FieldAsString(u"ip_host"_s));
        ui->PortEdit->setText(address.FieldAsString(u"port"_s));

        TCachedQuery &credentials = m_config.qryAPI_AUTHENTICATION;
        credentials.Close();
        credentials.Open();
        std::exception_ptr storedFormError;
        ui->UsernameEdit->setText(deciphered(credentials.FieldAsString(u"user"_s), storedFormError));
        ui->PasswordEdit->setText(deciphered(credentials.FieldAsString(u"password"_s), storedFormError));
        if (!IsBlank(ui->UsernameEdit->text()) && !IsBlank(ui->PasswordEdit->text()))
            ui->cbSalvarLoginSenha->setChecked(true);

        RealignContent();
        if (storedFormError)
            ShowErrorLater(storedFormError);
    } catch (const std::exception &) {
        ShowErrorLater(std::current_exception());
    }
}

void TfrmLogin::ShowAniIndicator()
{
    AniIndicator2->show();
    AniIndicator2->setEnabled(true);
}

void TfrmLogin::HideAniIndicator()
{
    AniIndicator2->hide();
}

void TfrmLogin::DownImageClick()
{
    RunPanelAnimation(CollapsedHeight, ExpandedHeight);
    ui->DownImage->hide();
    ui->UpImage->show();
    SetServiceFieldsReachable(true);
}

void TfrmLogin::UpImageClick()
{
    RunPanelAnimation(ExpandedHeight, CollapsedHeight);
    ui->DownImage->show();
    ui->UpImage->hide();
    SetServiceFieldsReachable(false);
}

void TfrmLogin::RunPanelAnimation(int AStartValue, int AStopValue)
{
    // A click during a run starts again from the start value, not from the height of the moment.
    HostLayoutFloatAnimation->stop();
    HostLayoutFloatAnimation->setStartValue(AStartValue);
    HostLayoutFloatAnimation->setEndValue(AStopValue);
    HostLayoutFloatAnimation->start();
}

// Fields that the closed panel hides take no keyboard focus, so nothing is typed into a field no one
// sees; a hidden field that has the focus hands it on to the user name.
void TfrmLogin::SetServiceFieldsReachable(bool AReachable)
{
    const Qt::FocusPolicy policy = AReachable ? Qt::StrongFocus : Qt::NoFocus;
    ui->HostEdit->setFocusPolicy(policy);
    ui->PortEdit->setFocusPolicy(policy);
    if (!AReachable && (ui->HostEdit->hasFocus() || ui->PortEdit->hasFocus()))
        ui->UsernameEdit->setFocus(Qt::OtherFocusReason);
}

bool TfrmLogin::eventFilter(QObject *watched, QEvent *event)
{
    // A key the form does not take goes on to the control with its acceptance untouched.
    if (event->type() == QEvent::KeyPress)
        return FormKeyDown(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::KeyRelease)
        return FormKeyUp(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window or a context menu taking the focus is not leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == ui->HostEdit)
                HostEditExit();
            else if (watched == ui->PortEdit)
                PortEditExit();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmLogin::HostEditExit()
{
    SaveAPI_ACCESS_CONFIG();
}

void TfrmLogin::PortEditExit()
{
    SaveAPI_ACCESS_CONFIG();
}

void TfrmLogin::SaveAPI_ACCESS_CONFIG()
{
    if (IsBlank(ui->HostEdit->text()) || IsBlank(ui->PortEdit->text()))
        return;
    try {
        TCachedQuery &address = m_config.qryAPI_ACCESS_CONFIG;
        address.Edit();
        address.SetField(u"ip_host"_s, ui->HostEdit->text());
        address.SetField(u"port"_s, ui->PortEdit->text());
        address.Post();
        address.ApplyUpdates();
    } catch (const std::exception &) {
        ShowErrorLater(std::current_exception());
    }
}

void TfrmLogin::SaveAPI_AUTHENTICATION()
{
    if (IsBlank(ui->UsernameEdit->text()) || IsBlank(ui->PasswordEdit->text()))
        return;
    const bool remember = ui->cbSalvarLoginSenha->isChecked();
    // Enciphered before the row is touched, so a text the cipher refuses leaves the row as it was.
    const QString user = remember ? TNivoRC4::Encrypt(CipherKey, ui->UsernameEdit->text()) : QString();
    const QString password = remember ? TNivoRC4::Encrypt(CipherKey, ui->PasswordEdit->text()) : QString();

    TCachedQuery &credentials = m_config.qryAPI_AUTHENTICATION;
    credentials.Edit();
    if (remember) {
        credentials.SetField(u"user"_s, user);
        credentials.SetField(u"password"_s, password);
    } else {
        credentials.ClearField(u"user"_s);
        credentials.ClearField(u"password"_s);
    }
    credentials.Post();
    credentials.ApplyUpdates();
}

void TfrmLogin::LoginRectBTNClick()
{
    // Before anything else, so that a second click finds the button disabled.
    ShowAniIndicator();
    ui->LoginRectBTN->setEnabled(false);

    const QString host = ui->HostEdit->text();
    const QString port = ui->PortEdit->text();
    if (IsBlank(host) || IsBlank(port)) {
        QueueMessage(ServiceNotConfiguredText, mtInformation);
        FinishSignIn();
        return;
    }
    SetIpHost(host);
    SetPort(port);

    const QString user = ui->UsernameEdit->text();
    const QString password = ui->PasswordEdit->text();
    if (IsBlank(user) || IsBlank(password)) {
        QueueMessage(CredentialsMissingText, mtWarning);
        FinishSignIn();
        return;
    }

    // Parented to the form: a form that is gone drops the reply.
    auto *watcher = new QFutureWatcher<TSignInReply>(this);
    connect(watcher, &QFutureWatcher<TSignInReply>::finished, this, [this, watcher] {
        SignInReplied(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(RequestSignIn, GetBaseUrl(), user, password, KeyAuthentication()));
}

void TfrmLogin::SignInReplied(const TSignInReply &AReply)
{
    switch (AReply.result) {
    case TSignInResult::Refused:
        QueueMessage(RefusedTextPrefix + AReply.value, mtWarning);
        break;
    case TSignInResult::Failed:
        QueueMessage(SignInFailedText, mtWarning);
        break;
    case TSignInResult::Accepted:
        SetKeyAuthentication(AReply.value);
        try {
            SaveAPI_AUTHENTICATION();
            QMetaObject::invokeMethod(this, &TfrmLogin::signedIn, Qt::QueuedConnection);
        } catch (const std::exception &) {
            QueueMessage(SignInFailedText, mtWarning);
        }
        break;
    }
    FinishSignIn();
}

void TfrmLogin::FinishSignIn()
{
    HideAniIndicator();
    ui->LoginRectBTN->setEnabled(true);
}

void TfrmLogin::QueueMessage(const QString &AText, TMsgDlgType AType)
{
    QMetaObject::invokeMethod(this, [AText, AType] { showMessage(AText, AType); }, Qt::QueuedConnection);
}

// Enter moves on like Tab (Shift+Enter back like Shift+Tab); it never signs in.
bool TfrmLogin::FormKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    event->accept();
    focusNextPrevChild(!event->modifiers().testFlag(Qt::ShiftModifier));
    return true;
}

// The Back key (Esc on the desktop) asks before closing, unless it is closing the on-screen keyboard.
bool TfrmLogin::FormKeyUp(QKeyEvent *event)
{
    const bool backKey = event->key() == Qt::Key_Back || event->key() == Qt::Key_Escape;
    if (!backKey || event->isAutoRepeat() || KeyboardVisible())
        return false;
    event->accept();
    const QPointer<TfrmLogin> form(this);
    TDialogService::MessageDialog(CloseQuestionText, mtConfirmation, {mbYes, mbNo}, mbNo, 0,
                                  [form](TModalResult result) {
                                      if (result == mrYes && form)
                                          form->close();
                                  });
    return true;
}

bool TfrmLogin::KeyboardVisible() const
{
    return m_keyboardShown || QGuiApplication::inputMethod()->isVisible();
}

void TfrmLogin::InputPanelChanged()
{
    const QInputMethod *inputMethod = QGuiApplication::inputMethod();
    // The input method gives the keyboard in window coordinates.
    const QRect inWindow = inputMethod->keyboardRectangle().toAlignedRect();
    const QRect onScreen(window()->mapToGlobal(inWindow.topLeft()), inWindow.size());
    if (inputMethod->isVisible())
        FormVirtualKeyboardShown(true, onScreen);
    else if (m_keyboardShown)
        FormVirtualKeyboardHidden(false, onScreen);
}

void TfrmLogin::FormVirtualKeyboardShown(bool AKeyboardVisible, const QRect &ABounds)
{
    m_keyboardShown = AKeyboardVisible;
    const QPointF topLeft = mapFromGlobal(QPointF(ABounds.topLeft()));
    const QPointF bottomRight = mapFromGlobal(QPointF(ABounds.x() + ABounds.width(), ABounds.y() + ABounds.height()));
    FKBBounds = QRectF(topLeft, bottomRight);
    UpdateKBBounds();
}

void TfrmLogin::FormVirtualKeyboardHidden(bool, const QRect &)
{
    m_keyboardShown = false;
    FKBBounds = QRectF();
    FNeedOffset = false;
    RestorePosition();
}

void TfrmLogin::FormFocusChanged()
{
    UpdateKBBounds();
}

void TfrmLogin::UpdateKBBounds()
{
    FNeedOffset = false;
    if (const QWidget *focused = focusWidget()) {
        QScrollBar *vertical = ui->VertScrollBox1->verticalScrollBar();
        // The field's place in the scrolled content.
        QRectF field(QPointF(focused->mapTo(this, QPoint(0, 0))), QSizeF(focused->size()));
        field.translate(ui->VertScrollBox1->horizontalScrollBar()->value(), vertical->value());
        const bool overlaps = field.left() < FKBBounds.right() && field.right() > FKBBounds.left()
                              && field.top() < FKBBounds.bottom() && field.bottom() > FKBBounds.top();
        if (overlaps) {
            FNeedOffset = true;
            RealignContent();
            vertical->setValue(qCeil(field.bottom() - FKBBounds.top()));
        }
    }
    if (!FNeedOffset)
        RestorePosition();
}

void TfrmLogin::RestorePosition()
{
    ui->VertScrollBox1->verticalScrollBar()->setValue(0);
    RealignContent();
}

// While a field is lifted above the keyboard the content grows by the room the keyboard takes, so the
// scroll box can move that far; otherwise the content is as tall as its controls. Applied at once.
void TfrmLogin::RealignContent()
{
    const bool grow = FNeedOffset && FKBBounds.top() > 0;
    ui->VertScrollBoxContent->setMinimumHeight(grow ? qCeil(2 * height() - FKBBounds.top()) : 0);
    ui->VertScrollBoxContent->layout()->activate();
    QEvent layoutRequest(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(ui->VertScrollBox1, &layoutRequest);
}

void TfrmLogin::ShowErrorLater(std::exception_ptr AError)
{
    // Not in the middle of a show or a focus change: the general error display opens a dialog.
    QMetaObject::invokeMethod(
        this,
        [AError] {
            try {
                std::rethrow_exception(AError);
            } catch (const std::exception &error) {
                TApplication::HandleException(error);
            }
        },
        Qt::QueuedConnection);
}
