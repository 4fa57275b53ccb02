#pragma once

#include <QFile>
#include <QFileInfo>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Write-protects a file or folder for this process. Root writes through file
// permissions by its CAP_DAC_OVERRIDE capability, so that is lowered from the
// effective set while the guard lives; it stays permitted and comes back.
class WriteProtection
{
public:
    explicit WriteProtection(const QString &file)
        : m_file(file), m_folder(QFileInfo(file).isDir()), m_permissions(QFile::permissions(file))
    {
        // Only the write bits go: a folder stays readable and can be entered.
        QFile::setPermissions(file, m_permissions & ~(QFile::WriteOwner | QFile::WriteUser |
                                                      QFile::WriteGroup | QFile::WriteOther));
        setOverride(false);
    }
    ~WriteProtection()
    {
        setOverride(true);
        QFile::setPermissions(m_file, m_permissions);
    }
    WriteProtection(const WriteProtection &) = delete;
    WriteProtection &operator=(const WriteProtection &) = delete;

    // Whether a write is refused now (a folder: a new file in it).
    bool holds() const
    {
        QFile probe(m_folder ? m_file + QStringLiteral("/.write-probe") : m_file);
        const bool written = probe.open(m_folder ? QIODevice::WriteOnly : QIODevice::ReadWrite);
        if (written && m_folder)
            probe.remove();
        return !written;
    }

private:
    static void setOverride(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] = {};
        if (syscall(SYS_capget, &header, data) != 0)
            return;
        const unsigned bit = 1u << CAP_DAC_OVERRIDE;
        data[0].effective =
            on ? data[0].effective | (bit & data[0].permitted) : data[0].effective & ~bit;
        syscall(SYS_capset, &header, data);
    }

    QString m_file;
    bool m_folder;
    QFile::Permissions m_permissions;
};
