// Choosing the port by the device's name, and passing every call on to it.
#include "device_port.h"

namespace platform {

bool DevicePort::Open(const std::string &device) {
    chosen_->Close();
    chosen_ =
        device.starts_with(TcpPort::kDevicePrefix) ? static_cast<LinkPort *>(&network_) : &serial_;
    return chosen_->Open(device);
}

// Both ports keep the time-outs, so that they hold whichever one the next Open chooses.
void DevicePort::SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds) {
    serial_.SetTimeouts(readMilliseconds, writeMilliseconds);
    network_.SetTimeouts(readMilliseconds, writeMilliseconds);
}

size_t DevicePort::Send(const void *bytes, size_t count) {
    return chosen_->Send(bytes, count);
}

int32_t DevicePort::ReadAvailable(void *buffer, size_t count) {
    return chosen_->ReadAvailable(buffer, count);
}

bool DevicePort::WaitReadable(uint32_t milliseconds) {
    return chosen_->WaitReadable(milliseconds);
}

void DevicePort::Close() {
    chosen_->Close();
}

}  // namespace platform
