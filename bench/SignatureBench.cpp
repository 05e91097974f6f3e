#include "TindrelCore/Tindrel.h"
#include "TindrelCore/verify/JWTSignature.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace tindrel;

// Keys and tokens made by the openssl command line (TindrelCore/verify/tests/data).
constexpr const char* rsaKey = "-----BEGIN PUBLIC KEY-----\n"
                               "MIIBIjANBgkqhkiG9w0BAQEFAAOCAQ8AMIIBCgKCAQEAxqqMhs54HhUom5r9gX/e\n"
                               "SOaz5nvyydEuMcfAZtKK6lnP3trqYjm94XhCumLpr2r8bv7paXddjA2g1n9PReI+\n"
                               "HS19RZw2FHnkDpRyGCohC23F+u6frDZO7XfNaGmdRT04pPki94tPQFu5ao62VO5K\n"
                               "Si52klLpvVcNgJSXYwaRD8Wn9SpAYCwnTdmOvLQJwBhFQ6hbWM/iJTOGOGXSt2Uc\n"
                               "UQLXmug1SSLQfM+fTwI3H6R8kI/C6NX23eSl30A1UkQXaS0ypL1JAttu3SQn47qw\n"
                               "pTea3v9dTQtxKCBTFzrLBj248hoOIj/miX615JcAYKno5Nk/XS/bROxzAAoZLtJ5\n"
                               "lwIDAQAB\n"
                               "-----END PUBLIC KEY-----\n";
constexpr const char* rs256Token =
    "eyJhbGciOiJSUzI1NiIsInR5cCI6IkpXVCJ9.eyJzdWIiOiIxMjM0NTY3ODkwIiwibmFtZSI6IkFkYSIsImlhdCI6MTcwMDAwMDA"
    "wMH0.ONuqfdxUc_14xCkFBcnSlEAcNccxTLkUiYnw2T_r8phYdlLGc3eigeT3my5pMVqDI_yvj2wf9RbNtwm76aL1-zfNTS9Jrl5"
    "kJv0Wtz4CWsiQdbWo8olCX_rslSUZzi0hfDE2YyqeLFqS5glIxGEj_weua4Y9IK4iprbyxV4Xcfpt67BuJmrZ1x1WEPCTWu3hGQI"
    "mDv_7Gzv803jQALoB1niJ8__0UJ5e4ow2WeXk5saaQ-jVoT0PzgQyIwa8VRBkuUW2F2wQa3qaoudrXFAyTe-Dfgzq_-5ZFNwVFg3"
    "2Dz34b9EUmndST92urIZR0vq0GaJdIz6nggdXTwMV55EmDg";
constexpr const char* ecKey = "-----BEGIN PUBLIC KEY-----\n"
                              "MFkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDQgAEPjcYX7cYcb8o30n39Xsj9+H1EQs8\n"
                              "AXAgCfsi/mr/r6q0/d9sU1GZ/EA1SeAXOMjdws8v14V/Uc0P6wz95UlPyg==\n"
                              "-----END PUBLIC KEY-----\n";
constexpr const char* es256Token =
    "eyJhbGciOiJFUzI1NiIsInR5cCI6IkpXVCJ9.eyJzdWIiOiIxMjM0NTY3ODkwIiwibmFtZSI6IkFkYSIsImlhdCI6MTcwMDAwMDA"
    "wMH0.PtnYNG_dJ_JiEMB-ZQrMQ5xBXUnQulUR5dubgLU2C32bhVOFUGS_GOxAgmrg0OKd-jGnUW5VnFlosIrlM8H8NA";

// One check of a chain that is already built, with a key that is already read.
void verify(benchmark::State& state, const char* token, const char* keyPEM) {
    const DecodeChain chain = Tindrel::inspect(token);
    const VerificationKey key = VerificationKey::fromFile("key.pem", keyPEM);
    DecodeChain probe = chain;
    verifyJWTSignatures(probe, key);
    if (probe.steps.empty() || probe.steps.front().details["signature"] != "verified") {
        state.SkipWithError("the token does not verify");
        return;
    }
    for (auto _ : state) {
        DecodeChain checked = chain;
        verifyJWTSignatures(checked, key);
        benchmark::DoNotOptimize(checked);
    }
}

// What one command-line run adds: reading the key as well as checking.
void readKeyAndVerify(benchmark::State& state, const char* token, const char* keyPEM) {
    const DecodeChain chain = Tindrel::inspect(token);
    for (auto _ : state) {
        DecodeChain checked = chain;
        verifyJWTSignatures(checked, VerificationKey::fromFile("key.pem", keyPEM));
        benchmark::DoNotOptimize(checked);
    }
}

void BM_VerifyRS256(benchmark::State& state) {
    verify(state, rs256Token, rsaKey);
}
void BM_VerifyES256(benchmark::State& state) {
    verify(state, es256Token, ecKey);
}
void BM_ReadKeyAndVerifyRS256(benchmark::State& state) {
    readKeyAndVerify(state, rs256Token, rsaKey);
}
void BM_ReadKeyAndVerifyES256(benchmark::State& state) {
    readKeyAndVerify(state, es256Token, ecKey);
}

} // namespace

BENCHMARK(BM_VerifyRS256);
BENCHMARK(BM_VerifyES256);
BENCHMARK(BM_ReadKeyAndVerifyRS256);
BENCHMARK(BM_ReadKeyAndVerifyES256);
