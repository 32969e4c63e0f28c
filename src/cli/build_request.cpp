// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/build_request.h"

#include <algorithm>
#include <functional>
#include <map>

#include "base/errors.h"
#include "base/int_text.h"
#include "base/verbatim_texts.h"
#include "framelist/frame_list.h"
#include "prepare/size_picture.h"

namespace kelvane::cli {

namespace {

// Why an option's text is refused; none when it is taken.
using Refusal = std::optional<std::string>;

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1) {
    parts.push_back(text.substr(start, comma - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// The system's conversion message, named after the option that gave the text.
Refusal ParseInteger(const std::string& option, const std::string& text, int& into) {
  const auto value = TryParseInt(text);
  if (!value) {
    return option + ": " + text::kNotAnIntegerBefore + text + text::kNotAnIntegerAfter;
  }
  into = *value;
  return std::nullopt;
}

Refusal ParseRanged(const std::string& option, const std::string& text, int low, int high,
                    int& into) {
  int value = 0;
  if (auto error = ParseInteger(option, text, value)) {
    return error;
  }
  if (value < low || value > high) {
    return option + " takes a number from " + std::to_string(low) + " to " + std::to_string(high) +
           ", not '" + text + "'";
  }
  into = value;
  return std::nullopt;
}

Refusal ParseGroups(const std::string& text, BuildRequest& request) {
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

Refusal ParseChecks(const std::string& text, BuildRequest& request) {
  for (const auto& part : SplitCommas(text)) {
    int position = 0;
    if (auto error = ParseRanged("--check", part, 1, INT32_MAX, position)) {
      return error;
    }
    request.checkedPositions.push_back(position);
  }
  return std::nullopt;
}

Refusal ParseFixed(const std::string& text, WindowSettings& options) {
  const auto cross = text.find_first_of("xX");
  if (cross == std::string::npos) {
    return "--fixed takes WIDTHxHEIGHT, not '" + text + "'";
  }
  int width = 0;
  int height = 0;
  for (auto error : {ParseInteger("--fixed", text.substr(0, cross), width),
                     ParseInteger("--fixed", text.substr(cross + 1), height)}) {
    if (error) {
      return error;
    }
  }
  try {
    CheckFixedSize(width, height);
  } catch (const Error& error) {
    return std::string("--fixed: ") + error.what();
  }
  options.fixedSize = true;
  options.fixedWidth = text.substr(0, cross);
  options.fixedHeight = text.substr(cross + 1);
  return std::nullopt;
}

// -j N: the most threads make sense up to the cores; more are allowed, not useful.
Refusal ParseJobs(const std::string& text, BuildRequest& request) {
  int jobs = 0;
  if (auto error = ParseRanged("-j", text, 1, 1024, jobs)) {
    return error;
  }
  request.jobs = unsigned(jobs);
  return std::nullopt;
}

Refusal ParseListType(const std::string& text, BuildRequest& request) {
  int type = 0;
  if (auto error = ParseRanged("--list-type", text, 1, 2, type)) {
    return error;
  }
  request.listType = type == 1 ? DefListType::ListOnly : DefListType::WithHeader;
  return std::nullopt;
}

template <typename Target>
struct Handler {
  bool takesValue;
  std::function<Refusal(const std::string&, Target&)> apply;
};

template <typename Target>
Handler<Target> Flag(std::function<void(Target&)> set) {
  return {false, [set](const std::string&, Target& target) -> Refusal {
            set(target);
            return std::nullopt;
          }};
}

// --x and --y: checked here even when the chosen Type will not use the offset.
Handler<WindowSettings> Offset(const std::string& option, bool WindowSettings::*use,
                               std::string WindowSettings::*field) {
  return {true, [=](const std::string& value, WindowSettings& o) -> Refusal {
            int checked = 0;
            if (auto error = ParseInteger(option, value, checked)) {
              return error;
            }
            o.*use = true;
            o.*field = value;
            return std::nullopt;
          }};
}

// --no-x and --no-y: the box unchecked, as its reaction leaves the field.
Handler<WindowSettings> NoOffset(bool WindowSettings::*use, std::string WindowSettings::*field) {
  return {false, [=](const std::string&, WindowSettings& o) -> Refusal {
            o.*use = false;
            o.*field = text::kOffsetOff;
            return std::nullopt;
          }};
}

template <typename Target>
Handler<Target> Text(std::function<void(const std::string&, Target&)> set) {
  return {true, [set](const std::string& value, Target& target) -> Refusal {
            set(value, target);
            return std::nullopt;
          }};
}

// Options that set a control of the window: they override a document's settings.
const std::map<std::string, Handler<WindowSettings>>& SettingOptions() {
  using O = WindowSettings;
  static const std::map<std::string, Handler<O>> handlers = {
      {"-o", Text<O>([](const std::string& v, O& o) { o.outputName = v; })},
      {"--type",
       {true,
        [](const std::string& v, O& o) { return ParseRanged("--type", v, 0, 3, o.typeIndex); }}},
      {"--format",
       {true, [](const std::string& v,
                 O& o) { return ParseRanged("--format", v, 0, 9, o.formatsIndex); }}},
      {"--monster",
       {true, [](const std::string& v,
                 O& o) { return ParseRanged("--monster", v, -1, 14, o.monsterIndex); }}},
      {"--fixed", {true, ParseFixed}},
      {"--x", Offset("--x", &O::useX, &O::xText)},
      {"--y", Offset("--y", &O::useY, &O::yText)},
      {"--mask", Text<O>([](const std::string& v, O& o) { o.nameMask = v; })},
      {"--shadow", Flag<O>([](O& o) { o.shadow = true; })},
      {"--outline", Flag<O>([](O& o) { o.outline = true; })},
      {"--check-palette", Flag<O>([](O& o) { o.checkPalette = true; })},
      {"--no-shadow", Flag<O>([](O& o) { o.shadow = false; })},
      {"--no-outline", Flag<O>([](O& o) { o.outline = false; })},
      {"--no-fixed", Flag<O>([](O& o) { o.fixedSize = false; })},
      {"--no-x", NoOffset(&O::useX, &O::xText)},
      {"--no-y", NoOffset(&O::useY, &O::yText)},
      {"--no-check-palette", Flag<O>([](O& o) { o.checkPalette = false; })},
  };
  return handlers;
}

// Options about the command itself.
const std::map<std::string, Handler<BuildRequest>>& CommandOptions() {
  using R = BuildRequest;
  static const std::map<std::string, Handler<R>> handlers = {
      {"--groups", {true, ParseGroups}},
      {"--check", {true, ParseChecks}},
      {"--list", Text<R>([](const std::string& v, R& r) { r.lists.push_back(v); })},
      {"--fail-fast", Flag<R>([](R& r) { r.failFast = true; })},
      {"--list-type", {true, ParseListType}},
      {"--save-list", Text<R>([](const std::string& v, R& r) { r.saveListPath = v; })},
      {"--palette",
       {true,
        [](const std::string& v, R& r) -> Refusal {
          if (v.empty()) {
            return std::string("--palette needs a file");
          }
          r.referencePalette = v;
          return std::nullopt;
        }}},
      {"--no-palette", Flag<R>([](R& r) { r.referencePalette = std::string(); })},
      {"--dither", Flag<R>([](R& r) { r.dither = true; })},
      {"--no-dither", Flag<R>([](R& r) { r.dither = false; })},
      {"--no-build", Flag<R>([](R& r) { r.noBuild = true; })},
      {"-j", {true, ParseJobs}},
      {"--jobs", {true, ParseJobs}},
      {"--yes", Flag<R>([](R& r) { r.answerYes = true; })},
      {"--json", Flag<R>([](R& r) { r.json = true; })},
      {"--version", Flag<R>([](R& r) { r.version = true; })},
      {"-q", Flag<R>([](R& r) { r.quiet = true; })},
      {"--quiet", Flag<R>([](R& r) { r.quiet = true; })},
      {"-h", Flag<R>([](R& r) { r.help = true; })},
      {"--help", Flag<R>([](R& r) { r.help = true; })},
  };
  return handlers;
}

void AddEntry(const std::string& arg, BuildRequest& request) {
  request.entries.push_back(arg == "/" ? kGroupSeparator : arg);
}

// Takes the option at args[i], and its value into `value`, when `handlers`
// knows it; `error` then tells whether it was used rightly.
template <typename Target>
bool TakeOption(const std::map<std::string, Handler<Target>>& handlers,
                const std::vector<std::string>& args, size_t& i, Target& target, std::string& value,
                Refusal& error) {
  const auto found = handlers.find(args[i]);
  if (found == handlers.end()) {
    return false;
  }
  if (found->second.takesValue) {
    if (i + 1 == args.size()) {
      error = args[i] + " needs a value";
      return true;
    }
    value = args[++i];
  }
  error = found->second.apply(value, target);
  return true;
}

// With --list the ENTRY arguments are more documents: no separator among them.
Refusal TakeDocuments(BuildRequest& request) {
  if (request.lists.empty()) {
    return std::nullopt;
  }
  for (const std::string& entry : request.entries) {
    if (IsGroupSeparator(entry)) {
      return "with --list the arguments are DefList documents: a / has no place among them";
    }
  }
  request.lists.insert(request.lists.end(), request.entries.begin(), request.entries.end());
  request.entries.clear();
  request.listPath = request.lists.front();
  return std::nullopt;
}

Refusal CheckCombinations(const BuildRequest& request) {
  if (!request.listPath && request.entries.empty()) {
    return "no ENTRY given: list BMP files, and / for a group separator, or give --list";
  }
  if (!request.listPath && request.listType != DefListType::WithHeader) {
    return "--list-type goes with --list";
  }
  if (request.noBuild && !request.saveListPath) {
    return "--no-build goes with --save-list";
  }
  if (request.noBuild && request.json) {
    return "--json describes a DEF that is built: not with --no-build";
  }
  return request.listPath ? std::nullopt : CheckPositionsFit(request, request.entries.size());
}

}  // namespace

bool BuildRequest::Gave(const std::string& option) const {
  return std::any_of(settings.begin(), settings.end(),
                     [&](const GivenSetting& given) { return given.option == option; });
}

WindowSettings BuildRequest::SettingsOver(WindowSettings base) const {
  for (const auto& given : settings) {
    SettingOptions().at(given.option).apply(given.value, base);  // checked when parsed
  }
  if (Gave("--type") && !Gave("--format")) {
    base = TypePicked(base, base.typeIndex);
  }
  return base;
}

FrameColourOptions BuildRequest::ColoursOver(FrameColourOptions base) const {
  if (referencePalette) {
    base.referencePalette = *referencePalette;
  }
  if (dither) {
    base.dither = *dither;
  }
  return base;
}

std::optional<std::string> CheckPositionsFit(const BuildRequest& request, size_t entryCount) {
  for (const int position : request.checkedPositions) {
    if (size_t(position) > entryCount) {
      return "--check " + std::to_string(position) + " is past the last of the " +
             std::to_string(entryCount) + " entries";
    }
  }
  return std::nullopt;
}

std::optional<std::string> ParseBuildArguments(const std::vector<std::string>& args,
                                               BuildRequest& request) {
  WindowSettings checked;  // settings are checked here and applied later
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string arg = args[i];
    std::string value;
    Refusal error;
    if (optionsEnded || arg == "/" || arg.empty() || arg[0] != '-') {
      AddEntry(arg, request);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (TakeOption(SettingOptions(), args, i, checked, value, error)) {
      request.settings.push_back({arg, value});
    } else if (!TakeOption(CommandOptions(), args, i, request, value, error)) {
      return "unknown option " + arg;
    }
    if (error) {
      return error;
    }
  }
  if (auto error = TakeDocuments(request)) {
    return error;
  }
  return request.help || request.version ? std::nullopt : CheckCombinations(request);
}

}  // namespace kelvane::cli
