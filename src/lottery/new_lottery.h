// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "db/vantoro_error.h"
#include "lottery/lottery_definition.h"
#include "lottery/todays_games.h"

#include <QString>

// Defining a new lottery, the same for the definition editor and vantoro-cli new.
namespace NewLottery {
// The drawing table could not be made after the definition was written (which stays).
class TableNotCreated : public VantoroError {
public:
    using VantoroError::VantoroError;
};

// Whether a lottery of this code is defined in dataDir already (its .INF in any case). Creating
// it again erases its drawings, so the caller asks first (the editor) or wants it said (--overwrite).
bool exists(const QString& dataDir, const QString& code);
// Makes the lottery under its table's lock: removes the old table of a lottery defined before, writes the
// definition, then creates the empty drawing table and its companion. A failure to remove or to
// write the definition throws the file layer's VantoroError; a table that cannot be made throws
// TableNotCreated, "Could not create the Lotto file. (<the file layer's reason>)". Files already
// written stay. A lottery made from a game of today keeps its extras beside the definition
// (CODE.GAM); one defined by hand loses any extras an earlier lottery of its code had.
void create(const QString& dataDir, const QString& code, const LotteryDefinition& definition,
            const std::optional<GameExtras>& extras = std::nullopt);

} // namespace NewLottery
