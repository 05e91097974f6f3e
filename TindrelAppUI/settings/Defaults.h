#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>
#include <optional>

namespace tindrel {

// The user-defaults store: a few values under fixed keys ("tindrel.history.v1", …). Reads of a
// missing or ill-typed value give nothing; failed writes are ignored.
class Defaults {
public:
    virtual ~Defaults() = default;

    std::optional<QByteArray> data(const QString& key) const;
    std::optional<bool> boolean(const QString& key) const;
    std::optional<qint64> integer(const QString& key) const;
    std::optional<QString> string(const QString& key) const;

    void setData(const QString& key, const QByteArray& value) { store(key, value); }
    void setBoolean(const QString& key, bool value) { store(key, value); }
    void setInteger(const QString& key, qint64 value) { store(key, value); }
    void setString(const QString& key, const QString& value) { store(key, value); }
    virtual void remove(const QString& key) = 0;
    // True once the store on disk refused a change: changes then last only until the app quits.
    virtual bool writeRefused() const { return false; }

protected:
    virtual QVariant load(const QString& key) const = 0;
    virtual void store(const QString& key, const QVariant& value) = 0;
};

// Kept in memory only: tests and previews.
class MemoryDefaults final : public Defaults {
public:
    void remove(const QString& key) override { values_.remove(key); }

protected:
    QVariant load(const QString& key) const override { return values_.value(key); }
    void store(const QString& key, const QVariant& value) override { values_.insert(key, value); }

private:
    QHash<QString, QVariant> values_;
};

} // namespace tindrel
