#include "po/play_search.h"

#include <QSet>
#include <algorithm>
#include <cmath>

GroupSearch::GroupSearch(int entryCount, std::function<int(int)> codeLikeness)
    : state_(entryCount, 0), codeLikeness_(std::move(codeLikeness)) {
  Group all;
  for (int i = 0; i < entryCount; ++i) all.entries.append(i);
  groups_.append(all);
  ready_.append(0);
  if (entryCount == 0) finished_ = true;
}

bool GroupSearch::next(Trial& trial) {
  if (finished_) return false;
  int group = -1;
  if (!ready_.isEmpty()) {
    // The newest first: the search goes down one failing group to its end,
    // keeping few groups open.
    group = ready_.takeLast();
  } else {
    // An idle copy may try a half whose sibling is still under trial, which
    // would otherwise wait to learn whether it needs a trial at all.
    for (int i = groups_.size() - 1; i >= 0 && group < 0; --i) {
      const Group& candidate = groups_[i];
      if (candidate.state == Group::State::Waiting &&
          groups_[candidate.sibling].state == Group::State::Running) {
        group = i;
      }
    }
  }
  if (group >= 0) {
    groups_[group].state = Group::State::Running;
    trial.id = nextId_++;
    trial.entries = groups_[group].entries;
    trialGroup_.append(group);
    ++running_;
    return true;
  }
  if (running_ > 0) return false;
  if (unionStep_ == UnionStep::None) startUnion();
  if (unionStep_ == UnionStep::Pending) {
    trial = pendingUnion_;
    unionStep_ =
        kept_.isEmpty() && candidates_.isEmpty() ? UnionStep::Checking : UnionStep::Narrowing;
    ++running_;
    return true;
  }
  return false;
}

void GroupSearch::record(int id, const TrialOutcome& outcome) {
  --running_;
  const int group = trialGroup_.value(id, -1);
  if (group < 0) {
    narrowUnion(outcome.kind != TrialOutcome::Kind::Plays, outcome);
    return;
  }
  Group& tried = groups_[group];
  const int sibling = tried.sibling;
  if (outcome.kind == TrialOutcome::Kind::Plays) {
    tried.state = Group::State::Played;
    for (int entry : tried.entries) {
      if (state_[entry] == 0) {
        state_[entry] = 1;
        ++played_;
      }
    }
    if (group == 0) {  // every entry at once: nothing to split, nothing to check
      finished_ = true;
      finalTrial_ = id;
      return;
    }
    // Their parent failed and this half played: the other half fails by itself.
    if (sibling >= 0 && groups_[sibling].state == Group::State::Waiting) {
      groups_[sibling].state = Group::State::Failed;
      fail(sibling, failures_.value(sibling));
    }
    return;
  }
  tried.state = Group::State::Failed;
  if (sibling >= 0 && groups_[sibling].state == Group::State::Waiting) {
    groups_[sibling].state = Group::State::Ready;
    ready_.prepend(sibling);
  }
  fail(group, outcome);
}

void GroupSearch::fail(int group, const TrialOutcome& outcome) {
  if (groups_[group].entries.size() == 1) {
    setApart(groups_[group].entries.first(), outcome);
  } else {
    split(group, outcome);
  }
}

void GroupSearch::split(int group, const TrialOutcome& outcome) {
  const QVector<int> entries = groups_[group].entries;
  Group first, second;
  TrialOutcome inherited = outcome;
  inherited.suspects.clear();
  for (int tier = 0; tier < outcome.suspects.size(); ++tier) {
    const QSet<int> suspects(outcome.suspects[tier].begin(), outcome.suspects[tier].end());
    first.entries.clear();
    second.entries.clear();
    for (int entry : entries) (suspects.contains(entry) ? first : second).entries.append(entry);
    if (!first.entries.isEmpty() && !second.entries.isEmpty()) {
      // The half that fails without a trial of its own is split by the tiers left.
      inherited.suspects = outcome.suspects.mid(tier + 1);
      break;
    }
  }
  if (first.entries.isEmpty() || second.entries.isEmpty()) {
    const int half = entries.size() / 2;
    first.entries = entries.mid(0, half);
    second.entries = entries.mid(half);
  }
  const int firstIndex = groups_.size();
  first.sibling = firstIndex + 1;
  second.sibling = firstIndex;
  second.state = Group::State::Waiting;
  groups_.append(first);
  groups_.append(second);
  failures_.insert(firstIndex, inherited);
  failures_.insert(firstIndex + 1, inherited);
  ready_.append(firstIndex);
}

void GroupSearch::setApart(int entry, const TrialOutcome& outcome) {
  if (state_[entry] == 2) return;
  if (state_[entry] == 1) --played_;
  state_[entry] = 2;
  TrialOutcome kept = outcome;
  kept.suspects.clear();
  gameChanging_.append({entry, kept});
}

Trial GroupSearch::union_(const QVector<int>& entries) {
  Trial trial;
  trial.id = nextId_++;
  trial.entries = entries;
  trialGroup_.append(-1);
  return trial;
}

void GroupSearch::startUnion() {
  QVector<int> all;
  for (int entry = 0; entry < state_.size(); ++entry) {
    if (state_[entry] != 2) all.append(entry);
  }
  kept_.clear();
  candidates_.clear();
  if (all.isEmpty()) {
    finished_ = true;
    return;
  }
  pendingUnion_ = union_(all);
  unionStep_ = UnionStep::Pending;
}

void GroupSearch::narrowUnion(bool failed, const TrialOutcome& outcome) {
  if (unionStep_ == UnionStep::Checking) {
    if (!failed) {
      finished_ = true;
      finalTrial_ = pendingUnion_.id;
      for (int entry = 0; entry < state_.size(); ++entry) {
        if (state_[entry] == 0) {
          state_[entry] = 1;
          ++played_;
        }
      }
      return;
    }
    // Each played in a group of its own, not all at once: find the fewest
    // that fail together, the ones the failure points at tried first.
    unionFailure_ = outcome;
    QSet<int> suspects;
    for (const QVector<int>& tier : outcome.suspects)
      suspects.unite(QSet<int>(tier.begin(), tier.end()));
    QVector<int> rest;
    for (int entry : pendingUnion_.entries) {
      (suspects.contains(entry) ? candidates_ : rest).append(entry);
    }
    low_ = 0;
    high_ = candidates_.size() + rest.size();
    probe_ = candidates_.isEmpty() || rest.isEmpty() ? -1 : candidates_.size();
    candidates_ += rest;
  } else if (probe_ == 0) {
    // The trial of kept_ alone.
    if (failed) {
      setApartMostCodeLike();
      return;
    }
    probe_ = -1;
  } else if (failed) {
    high_ = probe_;
    probe_ = -1;
  } else {
    low_ = probe_;
    probe_ = -1;
  }
  if (probe_ != 0 && high_ - low_ <= 1) {
    // Prefix high_ fails and prefix high_ - 1 does not: its last entry is
    // needed, and none after it.
    kept_.append(candidates_[high_ - 1]);
    candidates_.resize(high_ - 1);
    if (candidates_.isEmpty()) {
      setApartMostCodeLike();
      return;
    }
    low_ = 0;
    high_ = candidates_.size();
    probe_ = 0;
  } else if (probe_ < 0) {
    probe_ = (low_ + high_) / 2;
  }
  pendingUnion_ = union_(kept_ + candidates_.mid(0, probe_));
  unionStep_ = UnionStep::Pending;
}

void GroupSearch::setApartMostCodeLike() {
  int chosen = kept_.first();
  for (int entry : kept_) {
    if (codeLikeness_(entry) > codeLikeness_(chosen)) chosen = entry;
  }
  setApart(chosen, unionFailure_);
  unionStep_ = UnionStep::None;
}

int GroupSearch::trialsLeft() const {
  if (finished_) return 0;
  double left = 1;  // the check of every entry at once
  for (const Group& group : groups_) {
    if (group.state == Group::State::Ready || group.state == Group::State::Running) {
      left += 1 + std::log2(double(group.entries.size()));
    }
  }
  if (unionStep_ == UnionStep::Narrowing) left += 2 * std::log2(double(high_ - low_ + 1)) + 2;
  return int(std::ceil(left));
}
