-- The attempts of a class: one row each, added by the trainee who made it, never changed.
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tavelle_stagiaire') THEN
        CREATE ROLE tavelle_stagiaire NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tavelle_formateur') THEN
        CREATE ROLE tavelle_formateur NOLOGIN;
    END IF;
END
$$;

CREATE TABLE attempt (
    id uuid PRIMARY KEY,
    -- The database account that sent it: what the rights rest on, whatever name the trainee typed.
    trainee_login name NOT NULL DEFAULT current_user,
    surname text NOT NULL,
    given_name text NOT NULL,
    trainee_group text NOT NULL,
    finished_at timestamptz NOT NULL,
    source text NOT NULL,
    seed numeric(20, 0),
    seconds_taken bigint NOT NULL,
    score smallint NOT NULL,
    -- {"questionKey": {"given": "6,5", "right": true}, ...}
    answers jsonb NOT NULL,
    exercise text NOT NULL,
    received_at timestamptz NOT NULL DEFAULT clock_timestamp()
);
-- The trainee's last results, a group's export, everything in time order.
CREATE INDEX attempt_by_login ON attempt (trainee_login, finished_at DESC);
CREATE INDEX attempt_by_group ON attempt (trainee_group, finished_at);
CREATE INDEX attempt_by_time ON attempt (finished_at);

REVOKE ALL ON attempt FROM PUBLIC;
GRANT SELECT ON attempt TO tavelle_stagiaire, tavelle_formateur;
-- Never the account nor the time of arrival: the server sets them.
GRANT INSERT (id, surname, given_name, trainee_group, finished_at, source, seed, seconds_taken, score, answers,
              exercise) ON attempt TO tavelle_stagiaire;

ALTER TABLE attempt ENABLE ROW LEVEL SECURITY;
CREATE POLICY trainee_adds_own ON attempt FOR INSERT TO tavelle_stagiaire
    WITH CHECK (trainee_login = current_user);
CREATE POLICY trainee_reads_own ON attempt FOR SELECT TO tavelle_stagiaire
    USING (trainee_login = current_user);
CREATE POLICY instructor_reads_all ON attempt FOR SELECT TO tavelle_formateur
    USING (true);
