#include "platform/output_error_handover.hpp"

#include "platform/thread_error.hpp"

namespace pelcon::platform {
namespace {

thread_local int rememberedOutputError = 0;

}  // namespace

void RememberOutputError(int error) {
  rememberedOutputError = error;
}

void ForgetOutputError() {
  rememberedOutputError = 0;
}

void HandOverOutputError() {
  SetThreadError(rememberedOutputError);
  rememberedOutputError = 0;
}

int ReceiveOutputError() {
  return ThreadError();
}

}  // namespace pelcon::platform
