#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

namespace nivo {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Declared order matters: built dialogs lay their buttons out in it.
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};

constexpr int TMsgDlgBtnCount = mbClose + 1;

// A set of button kinds.
class TMsgDlgButtons
{
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
    {
        for (TMsgDlgBtn b : buttons)
            m_bits |= bit(b);
    }

    constexpr bool contains(TMsgDlgBtn b) const { return (m_bits & bit(b)) != 0; }
    constexpr bool containsAll(TMsgDlgButtons other) const { return (m_bits & other.m_bits) == other.m_bits; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr TMsgDlgButtons with(TMsgDlgBtn b) const { return fromBits(m_bits | bit(b)); }
    constexpr TMsgDlgButtons without(TMsgDlgBtn b) const { return fromBits(m_bits & ~bit(b)); }
    constexpr bool operator==(const TMsgDlgButtons &) const = default;

    // The members in the declared order of TMsgDlgBtn.
    std::vector<TMsgDlgBtn> toList() const
    {
        std::vector<TMsgDlgBtn> list;
        for (int i = 0; i < TMsgDlgBtnCount; ++i) {
            if (contains(static_cast<TMsgDlgBtn>(i)))
                list.push_back(static_cast<TMsgDlgBtn>(i));
        }
        return list;
    }

private:
    static constexpr unsigned bit(TMsgDlgBtn b) { return 1u << static_cast<unsigned>(b); }
    static constexpr TMsgDlgButtons fromBits(unsigned bits)
    {
        TMsgDlgButtons s;
        s.m_bits = bits;
        return s;
    }

    unsigned m_bits = 0;
};

using TModalResult = int;

constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrHelp = 9;
constexpr TModalResult mrTryAgain = 10;
constexpr TModalResult mrContinue = 11;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

// The modal result a built dialog's button of that kind closes with.
constexpr TModalResult ModalResultOf(TMsgDlgBtn button)
{
    switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbHelp: return mrNone;
    case mbClose: return mrClose;
    }
    return mrNone;
}

// Close handlers: a procedure, or an event that also receives a context object.
using TInputCloseDialogProc = std::function<void(TModalResult)>;
using TInputCloseDialogEvent = std::function<void(QObject *context, TModalResult)>;
using TInputCloseQueryProc = std::function<void(TModalResult, const QStringList &values)>;
using TInputCloseQueryEvent = std::function<void(QObject *context, TModalResult, const QStringList &values)>;
// Asked before an input query closes; returning false keeps it open.
using TInputCloseQueryFunc = std::function<bool(const QStringList &values)>;

} // namespace nivo
