#pragma once

#include <QString>
#include <stdexcept>

// A scan or run step that could not be carried out. The message is written for the user:
// it names the file concerned and says what is wrong, so a window can show it as it stands.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message);

    // The message as shown to the user.
    QString message() const { return m_message; }

private:
    QString m_message;
};
