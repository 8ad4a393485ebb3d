#pragma once

#include "protocol/TransferKind.h"

#include <QString>

// How a transfer ended, as a value: what the window and the command line decide on. It carries
// the text the user is shown for it, under Caption(), so that no caller reads meaning out of a
// message.
class TransferOutcome
{
public:
    enum class Kind {
        Done,        // the whole file or image moved
        Stopped,     // the user stopped it; nothing is shown
        MeterError,  // the meter answered out of turn: Code() says how
        FileError,   // the file could not be read or written, or is not of the kind asked for
        LineFailure, // the port failed (a hang-up, a pulled adapter); the text is the system's
        Refused,     // a question was answered No; the text is the question
        NoAnswer,    // the meter fell silent after a frame had gone out (its code is 8)
    };

    // The box after a transfer that worked: its text depends on the transfer.
    static TransferOutcome Done(TransferKind transfer);
    static TransferOutcome Stopped();
    static TransferOutcome MeterError(int code);
    static TransferOutcome FileError(const QString &text);
    static TransferOutcome LineFailure(const QString &deviceText);
    static TransferOutcome Refused(const QString &question);
    static TransferOutcome NoAnswer();

    Kind What() const { return m_kind; }
    bool Succeeded() const { return m_kind == Kind::Done; }
    // The meter's error code of a MeterError or NoAnswer; 0 otherwise.
    int Code() const { return m_code; }
    // What the user is shown, in the system's words; empty when nothing is (Stopped).
    const QString &Message() const { return m_message; }
    QString Caption() const;

private:
    TransferOutcome(Kind kind, QString message, int code = 0);

    Kind m_kind;
    QString m_message;
    int m_code;
};
