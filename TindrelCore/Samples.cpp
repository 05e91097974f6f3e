#include "TindrelCore/Samples.h"

namespace tindrel::Samples {

const std::string_view token = "eyJhbGciOiJIUzI1NiIsInR5cCI6IkpXVCJ9."
                               "eyJzdWIiOiIxMjM0NTY3ODkwIiwibmFtZSI6IkFkYSBMb3ZlbGFjZSIsImlhdCI6MTcwMDAwMDAwM"
                               "CwiZXhwIjoxNzAwMDAzNjAwfQ.WFcAD6v17Rjvln8IXjjtbwEFx4Swrl_c6NJPBmErNWw";

const std::string_view log =
    "[2024-03-14 09:26:53] request id 3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f\n"
    "auth=eyJhbGciOiJIUzI1NiIsInR5cCI6IkpXVCJ9.eyJzdWIiOiJ1c2VyLTQyIiwiZXhwIjoxNzAwMDAzNjAwfQ.t70-"
    "a5e3YuV15eUMiiQudebe1i3cGmV-X_zB7ldr1Ww\n"
    "error=invalid_grant&error_description=The+refresh+token+has+expired\n"
    "payload {\"user\":\"ada\",\"retries\":3,\"ts\":1700000000}";

} // namespace tindrel::Samples
