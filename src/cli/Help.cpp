#include "Help.h"

#include <ostream>

namespace quendra::cli {

const std::string_view MainHelp =
    R"(usage: quendra-cli COMMAND [options]

Commands:
  simulate   play a super-short game and print the players' results
  analyse    load permanence files for analysis and print their statistics
  count      print the coups of permanence files as the load menu counts them
  convert    convert a folder of Hamburg permanence files, or delimited records, into load
             files
  sessions   play many independent sessions and print the distribution of the results
  merge      join the JSON results of parts of one sessions batch

  quendra-cli COMMAND --help   the options of a command
  quendra-cli --version        the program version

Exit status: 0 the run completed, 1 an error message ended it, 2 wrong usage.
)";

const std::string_view SimulateHelp =
    R"(usage: quendra-cli simulate [options]

Plays a super-short game as the program does (no waits, no animation) and prints a summary.
Every message box is one line on stderr: "error N: text", "question N: text", "info N: text",
"warning N: text", "system N: text"; line breaks inside a text are written as " | ".

  --home DIR            program folder (default: QUENDRA_HOME, else the executable's folder)
  --table T             french (default) or american
  --players N           players 1-4 (default 1)
  --capital N           initial capital 0-5000000 (default 2000)
  --piece-value N       real mode with this piece value 1-1000 (default: piece mode)
  --set KEY=VALUE       a setting of section "Einstellungen" by its store name, e.g.
                        Zerobehandlung=0, StuefAng=2, ChObAktiv=1, ChObVal=50; repeatable;
                        applied before the options above
  --system P=FILE       system file of player P (repeatable)
  --protocol P=FILE     protocol file of player P (repeatable; ".OUT" added without extension)
  --load FILE           main load file
  --follow FILE         follow load file (up to six, in order)
  --collect FILE        collect load file
  --start S             normal, fix:N, random:MIN-MAX or attacks:COUNT:LENGTH
  --coups N             play N coups (required without --load or --collect; 0: to the end of
                        the load files, where the game otherwise ends)
  --seed N              seed of the random generator
  --date YYYY-MM-DD     the day the game sees instead of today (the ball starts in the
                        pocket of the day's number)
  --lang L              de (default) or en
  --answer A            no (default) or yes: the answer to every question
  --json                the summary as one JSON object

File names are used as given, relative to the current folder. With the year statistics on
(the default; --set JHSTAVAR=0 turns them off) the game's coups go into the year statistics file
of the program folder, as at the end of a game.
)";

const std::string_view AnalyseHelp =
    R"(usage: quendra-cli analyse [options] FILE...

Loads the files as "Datei laden ..." and then "Datei addieren ..." do (a file listing other
files is read as a list) and prints the analysis statistics: coups, day separators, the info
line, how often every field came, the frequency ranking, the three most frequent follow numbers
of every number and the sums of the wheel quadrants.

  --table T    french (default) or american
  --home DIR   program folder with the wheel data files
  --lang L     de (default) or en, for the messages
  --json       the statistics as one JSON object
)";

const std::string_view CountHelp =
    R"(usage: quendra-cli count [options] FILE...

Prints the coups of each file as the load menu counts them.

  --table T    french (default) or american
  --json       the counts as one JSON object
)";

const std::string_view ConvertHelp =
    R"(usage: quendra-cli convert DIR [options]
       quendra-cli convert --delimited FILE... [--info TEXT] [--overwrite]

Converts every file of the folder from the Hamburg permanence layout into a load file (.inp),
as the conversion window does: the originals are copied into DIR/sav first and removed once
converted, and a collect file lists the load files.

With --delimited, each FILE holds one coup per field, the fields separated by commas,
semicolons, tabs or blanks; a first line with words is a header and is skipped. Each becomes
the load file beside it with the extension .INP: the info line, then one coup per line (0 to 36
and 00 as they stand). Fields that are no coups are listed on stderr as FILE:LINE:COLUMN. A file
without a coup writes nothing; an existing load file is kept unless --overwrite is given.

  --american        American permanences: "00" is kept (default: French, "00" becomes "0")
  --no-backup       do not copy the originals into DIR/sav
  --collect NAME    name of the collect file (default SA1.SNP)
  --info TEXT       comment line of the collect file; with --delimited the info line of the
                    load files (default: the file's name without extension)
  --overwrite       with --delimited: replace existing load files
  --answer A        no (default) or yes: the answer to every question
  --home DIR        program folder
  --lang L          de (default) or en, for the messages
)";

const std::string_view SessionsHelp =
    R"(usage: quendra-cli sessions --sessions N --seed S [options]

Plays N independent super-short sessions, each from the start capital, and prints for every
player the distribution of the results (capital at the end, the stake standing for the next coup
included, less the start capital): mean, standard deviation and the 1/5/25/50/75/95/99 % points;
the share of sessions in which the player was ruined (his capital below the stake his system was
about to place), reached the goal, or was stopped by a system message (by number); the mean stake
per coup; and the observed edge (result / turnover over all sessions) with its 95 % interval
beside the table's -1/37 (French) or -2/38 (American). The zero rule of the even chances
(Zerobehandlung, on by default) gives back part of their stakes, so even chances lose less than
that while it is on.

Session i is played with the seed derived from S and i alone, on one day (the ball starts in
the pocket of the day's number): today when the run starts, or --date. So the figures are the
same for any number of threads, and any session can be played again with `simulate --date D
--seed` (the seed of every session is in --csv and in the JSON). Give parts of one batch that
may run on different days the same --date. The year statistics are off. Progress (sessions
done, rate, time left) goes to stderr when it is a terminal; the messages of the first session's
set-up are shown once, and an error there ends the run.

  --sessions N          the number of sessions (required)
  --seed S              the seed of the batch (required)
  --first K             the number of the first session (default 0): sessions K to K+N-1,
                        so parts of one batch can run apart and be merged
  --coups N             coups per session (required without --load or --collect; 0: to the
                        end of the load files)
  --goal AMOUNT         a capital to reach: the share of sessions in which it was reached
  --threads T           worker threads (default: one per processor)
  --date YYYY-MM-DD     the day the games see (default: today)
  --csv FILE            one row per session and player: session, seed, player, result,
                        turnover, minimum, maximum, coups, stop_message, ruined, goal
  --json                the figures and every session's record as one JSON object
  --system P=FILE, --players N, --capital N, --piece-value N, --table T, --set KEY=VALUE,
  --load FILE, --follow FILE, --collect FILE, --start S, --lang L, --home DIR
                        as for simulate
)";

const std::string_view MergeHelp =
    R"(usage: quendra-cli merge [options] FILE...

Joins the JSON results of `sessions --json` for parts of one batch (the same options and day
apart from --first, --sessions, --threads, --csv and --home) into the result of the whole batch, exactly as
one run over all its sessions prints it: the JSON keeps every session's record, so the
percentiles are computed from all results, not estimated. The parts must cover one range of
sessions without gaps or overlaps.

  --json       the result as one JSON object (default: text)
  --csv FILE   one row per session and player, as for sessions
)";

int reportUsage(std::ostream& err, std::string_view command, const UsageError& usage) {
    err << "quendra-cli";
    if (!command.empty()) {
        err << ' ' << command;
    }
    err << ": " << usage.reason << " (see quendra-cli " << command << (command.empty() ? "" : " ")
        << "--help)\n";
    return 2;
}

} // namespace quendra::cli
