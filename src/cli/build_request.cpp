#include "cli/build_request.h"

#include <functional>
#include <map>

#include "compiler/int_text.h"
#include "framelist/frame_list.h"

namespace kelvane::cli {

namespace {

using Error = std::optional<std::string>;

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1) {
    parts.push_back(text.substr(start, comma - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

Error ParseRanged(const std::string& option, const std::string& text, int low, int high,
                  int& into) {
  const auto value = TryParseInt(text);
  if (!value || *value < low || *value > high) {
    return option + " takes a number from " + std::to_string(low) + " to " + std::to_string(high) +
           ", not '" + text + "'";
  }
  into = *value;
  return std::nullopt;
}

Error ParseGroups(const std::string& text, BuildRequest& request) {
  const auto parts = SplitCommas(text);
  if (parts.size() > kGroupNumberSlots) {
    return "--groups takes at most " + std::to_string(kGroupNumberSlots) + " numbers";
  }
  GroupNumbers numbers{};
  for (size_t i = 0; i < parts.size(); ++i) {
    int value = 0;
    if (auto error = ParseRanged("--groups", parts[i], 0, 255, value)) {
      return error;
    }
    numbers[i] = static_cast<uint8_t>(value);
  }
  request.groupNumbers = numbers;
  return std::nullopt;
}

Error ParseChecks(const std::string& text, BuildRequest& request) {
  for (const auto& part : SplitCommas(text)) {
    int position = 0;
    if (auto error = ParseRanged("--check", part, 1, INT32_MAX, position)) {
      return error;
    }
    request.checkedPositions.push_back(position);
  }
  return std::nullopt;
}

Error ParseFixed(const std::string& text, CompileOptions& options) {
  const auto cross = text.find_first_of("xX");
  if (cross == std::string::npos) {
    return "--fixed takes WIDTHxHEIGHT, not '" + text + "'";
  }
  options.fixedSize = true;
  options.fixedWidth = text.substr(0, cross);
  options.fixedHeight = text.substr(cross + 1);
  return std::nullopt;
}

using ValueHandler = std::function<Error(const std::string&, BuildRequest&)>;
using FlagHandler = std::function<void(BuildRequest&)>;

const std::map<std::string, ValueHandler>& ValueOptions() {
  static const std::map<std::string, ValueHandler> handlers = {
      {"-o",
       [](const std::string& v, BuildRequest& r) -> Error {
         r.options.outputPath = v;
         return std::nullopt;
       }},
      {"--type",
       [](const std::string& v, BuildRequest& r) {
         return ParseRanged("--type", v, 0, 3, r.options.typePosition);
       }},
      {"--format",
       [](const std::string& v, BuildRequest& r) {
         r.formatGiven = true;
         return ParseRanged("--format", v, 0, 9, r.options.formatsPosition);
       }},
      {"--monster",
       [](const std::string& v, BuildRequest& r) {
         return ParseRanged("--monster", v, -1, 14, r.options.monsterPosition);
       }},
      {"--groups", ParseGroups},
      {"--check", ParseChecks},
      {"--fixed", [](const std::string& v, BuildRequest& r) { return ParseFixed(v, r.options); }},
      {"--x",
       [](const std::string& v, BuildRequest& r) -> Error {
         r.options.useX = true;
         r.options.xText = v;
         return std::nullopt;
       }},
      {"--y",
       [](const std::string& v, BuildRequest& r) -> Error {
         r.options.useY = true;
         r.options.yText = v;
         return std::nullopt;
       }},
      {"--mask",
       [](const std::string& v, BuildRequest& r) -> Error {
         r.options.nameMask = v;
         return std::nullopt;
       }},
  };
  return handlers;
}

const std::map<std::string, FlagHandler>& FlagOptions() {
  static const std::map<std::string, FlagHandler> handlers = {
      {"--shadow", [](BuildRequest& r) { r.options.shadow = true; }},
      {"--outline", [](BuildRequest& r) { r.options.outline = true; }},
      {"--check-palette", [](BuildRequest& r) { r.options.checkPalette = true; }},
      {"--yes", [](BuildRequest& r) { r.answerYes = true; }},
      {"-q", [](BuildRequest& r) { r.quiet = true; }},
      {"--quiet", [](BuildRequest& r) { r.quiet = true; }},
      {"-h", [](BuildRequest& r) { r.help = true; }},
      {"--help", [](BuildRequest& r) { r.help = true; }},
  };
  return handlers;
}

void AddEntry(const std::string& arg, BuildRequest& request) {
  request.entries.push_back(arg == "/" ? kGroupSeparator : arg);
}

}  // namespace

int DefaultFormatsForType(int typePosition) {
  static const int kDefaults[] = {2, 4, 6, 4};
  return kDefaults[typePosition];
}

std::optional<std::string> ParseBuildArguments(const std::vector<std::string>& args,
                                               BuildRequest& request) {
  request.options.typePosition = 0;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg == "/" || arg.empty() || arg[0] != '-') {
      AddEntry(arg, request);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (auto flag = FlagOptions().find(arg); flag != FlagOptions().end()) {
      flag->second(request);
    } else if (auto valued = ValueOptions().find(arg); valued != ValueOptions().end()) {
      if (i + 1 == args.size()) {
        return arg + " needs a value";
      }
      if (auto error = valued->second(args[++i], request)) {
        return error;
      }
    } else {
      return "unknown option " + arg;
    }
  }
  if (request.help) {
    return std::nullopt;
  }
  if (!request.formatGiven) {
    request.options.formatsPosition = DefaultFormatsForType(request.options.typePosition);
  }
  if (request.entries.empty()) {
    return "no ENTRY given: list BMP files, and / for a group separator";
  }
  for (const int position : request.checkedPositions) {
    if (size_t(position) > request.entries.size()) {
      return "--check " + std::to_string(position) + " is past the last of the " +
             std::to_string(request.entries.size()) + " entries";
    }
  }
  return std::nullopt;
}

}  // namespace kelvane::cli
