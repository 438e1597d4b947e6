// Which calculator window a pressure belongs to; each shows and slides pressures its own way.
#pragma once

namespace veltrane {

enum class CalculatorWindow { Column, Vapor };

}  // namespace veltrane
