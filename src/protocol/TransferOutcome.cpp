#include "protocol/TransferOutcome.h"

#include "common/Prompts.h"
#include "protocol/MeterLink.h"

#include <QCoreApplication>
#include <utility>

TransferOutcome::TransferOutcome(Kind kind, QString message, int code)
    : m_kind(kind), m_message(std::move(message)), m_code(code) {}

TransferOutcome TransferOutcome::Done(TransferKind transfer)
{
    switch (transfer) {
    case TK_LOAD_SOFTWARE:
    case TK_LOAD_8:
    case TK_WRITE_PARAMS:
        return {Kind::Done, QCoreApplication::translate("Transfer", "Please keep Meter power on,wait about 2 Minutes, Meter restart automically!")};
    case TK_READ_7:
    case TK_READ_9:
    case TK_READ_PARAMS:
        return {Kind::Done, QCoreApplication::translate("Transfer", "finished transfer data!")};
    }
    return {Kind::Done, {}};
}

TransferOutcome TransferOutcome::Stopped()
{
    return {Kind::Stopped, {}};
}

TransferOutcome TransferOutcome::MeterError(int code)
{
    return {Kind::MeterError,
            QCoreApplication::translate("Transfer", "An error ocurred when transfering. code:%1\nPlease restart the STB.").arg(code), code};
}

TransferOutcome TransferOutcome::FileError(const QString &text)
{
    return {Kind::FileError, text};
}

TransferOutcome TransferOutcome::LineFailure(const QString &deviceText)
{
    return {Kind::LineFailure, deviceText};
}

TransferOutcome TransferOutcome::Refused(const QString &question)
{
    return {Kind::Refused, question};
}

TransferOutcome TransferOutcome::NoAnswer()
{
    TransferOutcome silence = MeterError(8);
    silence.m_kind = Kind::NoAnswer;
    return silence;
}

QString TransferOutcome::Caption() const
{
    switch (m_kind) {
    case Kind::Done:
        return QCoreApplication::translate("Transfer", "Warnning");
    case Kind::LineFailure:
        return QCoreApplication::translate("Transfer", kDeviceErrorCaption);
    default:
        return QString::fromLatin1(kAppTitle);
    }
}
