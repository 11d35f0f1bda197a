#include "platform/class_registry.h"

#include "platform/mime_class_registry.h"

namespace platform {

namespace {
std::shared_ptr<const ClassRegistry>& installedRegistry() {
    static std::shared_ptr<const ClassRegistry> registry;
    return registry;
}

const ClassRegistry& mimeRegistry() {
    static const MimeClassRegistry registry;
    return registry;
}
} // namespace

const ClassRegistry& classRegistry() {
    const auto& installed = installedRegistry();
    return installed ? *installed : mimeRegistry();
}

void setClassRegistry(std::shared_ptr<const ClassRegistry> registry) {
    installedRegistry() = std::move(registry);
}

} // namespace platform
