#pragma once
// An engine that hands every call to another one: the base of engines that change
// only a few calls of a real one (tests stand them behind a connection).
#include "platform/ado/Provider.h"
#include <memory>

namespace ado {

class DelegatingProvider : public Provider {
public:
    explicit DelegatingProvider(std::unique_ptr<Provider> inner) : inner_(std::move(inner)) {}
    void open(const ConnectionSpec& target, Errors& e) override { inner_->open(target, e); }
    void close() override { inner_->close(); }
    ExecResult execute(const QString& text, Errors& e) override { return inner_->execute(text, e); }
    ExecResult executeBound(const QString& text, const QVector<BoundValue>& values, Errors& e) override
    {
        return inner_->executeBound(text, values, e);
    }
    int beginTrans(Errors& e) override { return inner_->beginTrans(e); }
    void commitTrans(Errors& e) override { inner_->commitTrans(e); }
    void rollbackTrans(Errors& e) override { inner_->rollbackTrans(e); }
    void setCommandTimeout(int seconds) override { inner_->setCommandTimeout(seconds); }
    void setDefaultDatabase(const QString& name, Errors& e) override { inner_->setDefaultDatabase(name, e); }
    ResultSet schemaTables(Errors& e) override { return inner_->schemaTables(e); }
    ResultSet schemaColumns(const QString& table, Errors& e) override { return inner_->schemaColumns(table, e); }
    QStringList primaryKey(const QString& table) override { return inner_->primaryKey(table); }
    RowChangeResult applyRowChange(const RowChange& change, Errors& e) override { return inner_->applyRowChange(change, e); }

protected:
    Provider& inner() { return *inner_; }

private:
    std::unique_ptr<Provider> inner_;
};

} // namespace ado
