// The plug-in manager's exception classes and message texts.
#pragma once

#include <QString>

#include <stdexcept>

// Root of the manager's errors; what() is the message in UTF-8.
class EVlPlugInError : public std::runtime_error {
public:
    // `detail` is the system's reason, when there is one (the loader's text), kept apart from the
    // message so that the message stays as callers know it.
    explicit EVlPlugInError(const QString &message, const QString &detail = QString())
        : std::runtime_error(message.toStdString()), FDetail(detail) {}
    QString Message() const { return QString::fromUtf8(what()); }
    const QString &Detail() const { return FDetail; }

private:
    QString FDetail;
};

// A library that cannot be loaded or does not fit the contract.
class EVlLoadPluginError : public EVlPlugInError {
public:
    using EVlPlugInError::EVlPlugInError;
};

// A library whose entry point gave no plug-in.
class EVlCantRegisterPlugInError : public EVlPlugInError {
public:
    using EVlPlugInError::EVlPlugInError;
};

namespace VlPluginMessages {
QString PackageNotFound(const QString &fileName);
QString FunctionNotFound(const QString &function, const QString &fileName);
QString CallFailed(const QString &function, const QString &fileName);
QString ExtensionEmpty();
QString PackagesUnsupported(const QString &fileName);
QString OtherContractVersion(const QString &fileName, quint32 version);
QString BadDescription(const QString &fileName, const QString &reason);
} // namespace VlPluginMessages
