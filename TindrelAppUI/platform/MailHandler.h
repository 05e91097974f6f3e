#pragma once

// Whether the desktop names an application for mailto: addresses (asked once, then remembered).
namespace tindrel::MailHandler {

bool available();

} // namespace tindrel::MailHandler
