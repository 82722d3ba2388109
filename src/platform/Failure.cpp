#include "platform/Failure.h"

Failure::Failure(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message) {}
