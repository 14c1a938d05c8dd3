#pragma once

#include <QString>

// Where the PostgreSQL client library comes from. This build links the distribution's libpq, so the
// folder and file name are kept only as settings; releasing the link has nothing to unload.
class PgDriverLink {
public:
    const QString& vendorHome() const { return m_vendorHome; }
    void setVendorHome(const QString& folder) { m_vendorHome = folder; }
    const QString& vendorLib() const { return m_vendorLib; }
    void setVendorLib(const QString& fileName) { m_vendorLib = fileName; }
    void release() {}

private:
    QString m_vendorHome;
    QString m_vendorLib;
};
