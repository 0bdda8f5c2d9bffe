-- The export and the class report read attempts in the order they were finished, every group's or one
-- group's: each order is an index, read as it is, never a sort of the whole table.
CREATE INDEX attempt_in_order ON attempt (finished_at, id);
CREATE INDEX attempt_of_group_in_order ON attempt (trainee_group, finished_at, id);
DROP INDEX attempt_by_time;
DROP INDEX attempt_by_group;

-- From this version on, each migration says the oldest schema version whose programs still write after
-- it (NULL before: only its own). A program meeting a newer schema keeps sending when every migration
-- beyond its own names it or an older one.
ALTER TABLE tavelle_schema ADD COLUMN oldest_writer integer;
