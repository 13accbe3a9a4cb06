#include "dialogs/DialogBuilder.h"

#include "core/Exception.h"
#include "dialogs/DialogForm.h"
#include "dialogs/DialogStrings.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace nivo {

namespace {

std::optional<QRect> g_pinnedWorkArea;

int RoundHalfEven(qreal value)
{
    return static_cast<int>(std::nearbyint(value));
}

int RoundUp(qreal value)
{
    return static_cast<int>(std::ceil(value));
}

struct TWrappedText
{
    int lines = 0;
    qreal width = 0;
};

// Lines and width that the text needs when wrapped at words to the maximum width.
TWrappedText WrapText(const QString &text, const QFont &font, qreal maxWidth)
{
    QString laidOut = text;
    laidOut.replace(u"\r\n"_s, u"\n"_s).replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(laidOut, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);

    TWrappedText wrapped;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(maxWidth);
        wrapped.width = std::max(wrapped.width, line.naturalTextWidth());
        ++wrapped.lines;
    }
    layout.endLayout();
    wrapped.lines = std::max(wrapped.lines, 1);
    return wrapped;
}

// The window of the program that is not a dialog, if one is in view.
QWidget *MainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget *w) {
        return w->isVisible() && w->windowType() == Qt::Window;
    });
    return found == windows.cend() ? nullptr : *found;
}

Qt::WindowFlags FormFlags(bool withCloseBox)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
    if (withCloseBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

// The scrolling client area above the button row; returns the layout of its content.
QVBoxLayout *CreateScrollBox(QVBoxLayout *formLayout)
{
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The form's size is computed; the scroll box takes whatever height is left, however small.
    scroll->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);
    scroll->setWidget(content);
    formLayout->addWidget(scroll, 1);
    return contentLayout;
}

QVBoxLayout *CreateFormLayout(TDialogForm *form)
{
    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

void CentreInArea(TDialogForm *form, const QRect &area, int clientWidth, int clientHeight)
{
    const int left = area.left() + (area.width() - clientWidth) / 2;
    const int top = area.top() + (area.height() - clientHeight) / 2;
    form->setGeometry(left, top, clientWidth, clientHeight);
    form->setFixedSize(clientWidth, clientHeight);
}

int RowHeight(const QHBoxLayout *row)
{
    return row->parentWidget()->height();
}

} // namespace

const TMsgCaptionTable &TDialogBuilder::MsgCaptions()
{
    static const TMsgCaptionTable captions = LoadMsgCaptions();
    return captions;
}

const TButtonCaptionTable &TDialogBuilder::ButtonCaptions()
{
    static const TButtonCaptionTable captions = LoadButtonCaptions();
    return captions;
}

QPoint TDialogBuilder::GetAveCharSize(const QFontMetricsF &metrics)
{
    const QString letters = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
    const int width = RoundHalfEven(metrics.horizontalAdvance(letters));
    return {RoundHalfEven(width / 52.0), RoundHalfEven(metrics.height())};
}

QString TDialogBuilder::GetPromptCaption(const QString &prompt)
{
    return GetPasswordChar(prompt).isNull() ? prompt : prompt.mid(1);
}

QChar TDialogBuilder::GetPasswordChar(const QString &prompt)
{
    return prompt.size() > 1 && prompt.at(0).unicode() < 32 ? u'*' : QChar();
}

int TDialogBuilder::GetMaxTextWidth(const QStringList &prompts, QPoint dialogUnits, const QFontMetricsF &metrics)
{
    int widest = 0;
    for (const QString &prompt : prompts)
        widest = std::max(widest, RoundUp(metrics.horizontalAdvance(GetPromptCaption(prompt)) + dialogUnits.x()));
    return widest;
}

int TDialogBuilder::GetMaxWidth(const QRect &area)
{
    return RoundUp(area.width() * 3 / 4.0);
}

int TDialogBuilder::GetMaxHeight(const QRect &area)
{
    return RoundUp(area.height() * 5 / 6.0);
}

QRect TDialogBuilder::GetWorkArea()
{
    QRect area;
    if (g_pinnedWorkArea) {
        area = *g_pinnedWorkArea;
    } else if (QWidget *window = QApplication::activeWindow() ? QApplication::activeWindow() : MainWindow()) {
        if (const QScreen *screen = window->screen())
            area = screen->availableGeometry();
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        area = screen->availableVirtualGeometry();
    }
    if (area.isEmpty())
        throw Exception(u"Nenhuma tela disponível para mostrar o diálogo."_s);
    return area;
}

void TDialogBuilder::PinWorkArea(std::optional<QRect> area)
{
    g_pinnedWorkArea = area;
}

QHBoxLayout *TDialogBuilder::CreateLayout(QBoxLayout *parent, const QMargins &margins, int height)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(margins);
    layout->setSpacing(0);
    row->setFixedHeight(height + margins.top() + margins.bottom());
    parent->addWidget(row);
    return layout;
}

QPushButton *TDialogBuilder::CreateButton(TDialogForm *form, QHBoxLayout *layout, TMsgDlgBtn kind)
{
    return CreateButton(form, layout, ButtonCaptions()[kind], ModalResultOf(kind));
}

QPushButton *TDialogBuilder::CreateButton(TDialogForm *form, QHBoxLayout *layout, const QString &text,
                                          TModalResult result)
{
    // Each button keeps a border's width to its left; the row's buttons follow the order they are made.
    auto *button = new QPushButton(text);
    const int gap = layout->contentsMargins().left();
    layout->addSpacing(gap);
    layout->addWidget(button);
    form->AddButton(button, result);
    return button;
}

int TDialogBuilder::ButtonHeight(QWidget *form)
{
    const QPushButton probe(form);
    return probe.sizeHint().height();
}

TDialogForm *TDialogBuilder::MessageDialog(const QString &AMessage, TMsgDlgType ADialogType,
                                           TMsgDlgButtons AButtons, TMsgDlgBtn DefaultButton, int,
                                           const TInputCloseDialogProc &ACloseDialogProc, bool ForceCanCancel)
{
    try {
        auto form = std::make_unique<TDialogForm>();
        TDialogForm *self = form.get();
        const QRect area = GetWorkArea();

        const bool canCancel = ForceCanCancel || AButtons.contains(mbCancel);
        form->setWindowFlags(FormFlags(canCancel));
        form->SetCanCancel(canCancel);
        form->SetCloseQueryProc([self, ACloseDialogProc] {
            if (ACloseDialogProc)
                ACloseDialogProc(self->ModalResult());
        });
        form->setWindowTitle(DialogTitle(MsgCaptions(), ADialogType));

        form->ensurePolished();
        const QPoint units = GetAveCharSize(QFontMetricsF(form->font()));
        const QPoint border(units.y(), units.y());
        const QPoint textMargin(2 * units.x(), 2 * units.y());
        const int buttonHeight = ButtonHeight(self);

        QVBoxLayout *formLayout = CreateFormLayout(self);
        QVBoxLayout *textLayout = CreateScrollBox(formLayout);
        const QMargins buttonMargins(border.x(), border.y(), border.x(), border.y());
        QHBoxLayout *buttonRow = CreateLayout(formLayout, buttonMargins, buttonHeight);
        buttonRow->addStretch();
        int buttonsWidth = border.x();
        for (TMsgDlgBtn kind : AButtons.toList()) {
            QPushButton *button = CreateButton(self, buttonRow, kind);
            buttonsWidth += button->sizeHint().width() + border.x();
            if (kind == DefaultButton)
                button->setDefault(true);
        }

        const int maxTextWidth = GetMaxWidth(area) - 2 * border.x();
        const TWrappedText wrapped = WrapText(AMessage, form->font(), maxTextWidth);
        const int textWidth = std::min(RoundUp(wrapped.width) + border.x(), maxTextWidth);
        const int clientWidth =
            std::max(buttonsWidth, std::min(maxTextWidth, 2 * textMargin.x() + 2 * border.x() + textWidth));

        auto *label = new QLabel(AMessage);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        textLayout->setContentsMargins(textMargin.x(), textMargin.y(), textMargin.x(), 0);
        textLayout->addWidget(label);
        textLayout->addStretch();

        // The label takes the height its wrapped text needs at its width.
        const int labelHeight = label->heightForWidth(clientWidth - 2 * textMargin.x());
        const int clientHeight = std::min(GetMaxHeight(area), labelHeight + textMargin.y() + RowHeight(buttonRow));
        CentreInArea(self, area, clientWidth, clientHeight);
        return form.release();
    } catch (const std::exception &) {
        return nullptr;
    }
}

TDialogForm *TDialogBuilder::InputQuery(const QString &ACaption, const QStringList &APrompts,
                                        const QStringList &ADefaultValues,
                                        const TInputCloseQueryProc &ACloseQueryProc)
{
    if (ADefaultValues.size() < APrompts.size())
        throw EArgumentError(LoadResString(StrFewerValuesThanPrompts));
    if (APrompts.isEmpty())
        throw EArgumentError(LoadResString(StrNoPrompts));

    try {
        auto form = std::make_unique<TDialogForm>();
        TDialogForm *self = form.get();
        const QRect area = GetWorkArea();
        form->SetValues(ADefaultValues.mid(0, APrompts.size()));

        form->setWindowFlags(FormFlags(true));
        form->SetCanCancel(true);
        form->SetCloseQueryProc([self, ACloseQueryProc] {
            if (ACloseQueryProc)
                ACloseQueryProc(self->ModalResult(), self->Values());
        });
        form->setWindowTitle(ACaption);

        form->ensurePolished();
        const QPoint units = GetAveCharSize(QFontMetricsF(form->font()));
        const QPoint border(units.y(), units.y());
        int maxPromptWidth = 0;
        {
            QLabel probe(self);
            probe.ensurePolished();
            maxPromptWidth = GetMaxTextWidth(APrompts, units, QFontMetricsF(probe.font()));
        }
        const int buttonHeight = ButtonHeight(self);

        QVBoxLayout *formLayout = CreateFormLayout(self);
        QVBoxLayout *rows = CreateScrollBox(formLayout);
        int editWidth = 0;
        int totalHeight = 0;
        for (qsizetype i = 0; i < APrompts.size(); ++i) {
            const QString &prompt = APrompts.at(i);
            auto *edit = new QLineEdit(ADefaultValues.at(i));
            if (GetPasswordChar(prompt) == u'*')
                edit->setEchoMode(QLineEdit::Password);
            edit->selectAll();
            form->AddEdit(edit);
            editWidth = edit->sizeHint().width();
            edit->setFixedWidth(editWidth);

            const QMargins margins(border.x(), i == 0 ? border.y() : 0, border.x(), border.y());
            QHBoxLayout *row = CreateLayout(rows, margins, edit->sizeHint().height());
            // Label and edit are centred alike, so their texts share a baseline.
            auto *label = new QLabel(GetPromptCaption(prompt));
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            row->addWidget(label, 1);
            row->addWidget(edit);
            if (i == 0)
                edit->setFocus();
            totalHeight += RowHeight(row);
        }
        rows->addStretch();

        const QMargins buttonMargins(border.x(), border.y(), border.x(), border.y());
        QHBoxLayout *buttonRow = CreateLayout(formLayout, buttonMargins, buttonHeight);
        buttonRow->addStretch();
        CreateButton(self, buttonRow, LoadResString(StrOkButton), mrOk)->setDefault(true);
        const QPushButton *cancel = CreateButton(self, buttonRow, LoadResString(StrCancelButton), mrCancel);

        const int clientWidth = std::max(2 * (cancel->sizeHint().width() + border.x()),
                                         std::min(GetMaxWidth(area), editWidth + maxPromptWidth + 2 * border.x()));
        const int clientHeight = std::min(GetMaxHeight(area), RowHeight(buttonRow) + totalHeight);
        CentreInArea(self, area, clientWidth, clientHeight);
        return form.release();
    } catch (const std::exception &) {
        return nullptr;
    }
}

} // namespace nivo
