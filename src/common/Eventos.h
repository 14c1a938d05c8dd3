#pragma once

#include <QString>

#include <cstdint>

// The login context: who is working and for which company. Set once at start-up from the command
// line and read everywhere after.
extern std::int32_t EmpresaLogada;
extern std::int32_t FuncionarioLogado;
extern QString UsuarioLogado;
