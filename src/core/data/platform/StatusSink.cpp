#include "core/data/platform/StatusSink.h"

StatusSink::~StatusSink() = default;

namespace {
class NoStatus final : public StatusSink
{
public:
    void setStatusText(const QString &) override {}
    void setBusy(bool) override {}
};
} // namespace

StatusSink &StatusSink::none()
{
    static NoStatus sink;
    return sink;
}
